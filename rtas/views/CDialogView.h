// The root of a plug-in window (and of a view pop-up): sized from a dialog resource ('DLOG'), filled from the item
// list the resource names, drawn on the background pattern it loads when it gets a port. GUI thread, under the
// group's context lock.
#pragma once

#include "rtas/views/CItemListView.h"

namespace rtas::views {

class CDialogView : public CItemListView
{
public:
    ~CDialogView() override;

    CPlugInView* BuildSubViews() override;
    void SetPort(OpaqueGrafPtr port) override;
    HostPattern* GetBackPattern() override { return fPattern; }

    virtual int16_t GetDialogID() { return fDialogID; }
    virtual void SetDialogID(int16_t id) { fDialogID = id; }
    virtual int16_t GetPatternID() { return fPatternID; }
    virtual void SetPatternID(int16_t id) { fPatternID = id; }

private:
    int16_t fDialogID = 1;
    int16_t fPatternID = 1000;
    HostPattern* fPattern = nullptr;
};

}  // namespace rtas::views
