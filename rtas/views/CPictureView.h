// A view that draws a host picture for its state: normal, clicked (while highlighted) or disabled. Pictures come
// from the module's picture cache, so views showing the same picture share it. GUI thread, under the group's context
// lock.
#pragma once

#include "rtas/views/CCustomView.h"

namespace rtas::views {

class CCachedPicture;

class CPictureView : public CCustomView
{
public:
    enum State : int16_t
    {
        kNormal = 0,
        kClicked = 1,
        kDisabled = 2,
    };

    CPictureView();
    ~CPictureView() override;

    void ReadDescription(DescriptionParser& parser) override;
    void DrawContent(const Rect& rect) override;
    void SetEnabled(bool on) override;

    // -7400 for a state other than 0, 1, 2; -1 lets the state's picture go.
    virtual void SetPicture(int16_t state, int16_t id);
    virtual int16_t GetPictureID(int16_t state);
    virtual CCachedPicture* GetCurrentPicture();

private:
    CCachedPicture* fPictures[3]{nullptr, nullptr, nullptr};
};

}  // namespace rtas::views
