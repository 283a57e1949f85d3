// Views that wrap the host's own controls: buttons, check boxes, radio buttons, and controls from 'CNTL' resources.
// The host control exists only while the view has a port. GUI thread, under the group's context lock.
#pragma once

#include "rtas/framework/host/ControlServices.h"
#include "rtas/views/CCustomView.h"

#include <string>

namespace rtas::views {

class CMacControlView : public CCustomView
{
public:
    CMacControlView() = default;
    explicit CMacControlView(const std::string& title) : fTitle(title.substr(0, 255)) {}
    ~CMacControlView() override;

    void ReadDescription(DescriptionParser& parser) override;
    void SetPort(OpaqueGrafPtr port) override;
    void DrawContent(const Rect& rect) override;
    void Click(const EventRecord& event) override;
    void MoveBy(int16_t dh, int16_t dv) override;

    // -7400 on the base class: only its kinds know which host control they are.
    virtual int16_t GetControlKind();
    virtual HostControl* CreateControl();

    HostControl* GetHostControl() const { return fControl; }
    const std::string& GetTitle() const { return fTitle; }
    int16_t GetMinimum() const { return fMinimum; }
    int16_t GetMaximum() const { return fMaximum; }
    int16_t GetControlValue() const { return fValue; }

private:
    HostControl* fControl = nullptr;
    std::string fTitle;
    int16_t fMinimum = 0;
    int16_t fMaximum = 1;
    int16_t fValue = 0;
    bool fFirstDraw = true;
};

class CButtonView : public CMacControlView
{
public:
    using CMacControlView::CMacControlView;
    int16_t GetControlKind() override { return 0; }
};

class CCheckBoxView : public CMacControlView
{
public:
    using CMacControlView::CMacControlView;
    int16_t GetControlKind() override { return 1; }
};

class CRadioButtonView : public CMacControlView
{
public:
    using CMacControlView::CMacControlView;
    int16_t GetControlKind() override { return 2; }
};

class CResControlView : public CMacControlView
{
public:
    CResControlView() = default;
    explicit CResControlView(int16_t resourceID) : fResourceID(resourceID) {}
    HostControl* CreateControl() override;
    int16_t GetResourceID() const { return fResourceID; }

private:
    int16_t fResourceID = -1;
};

}  // namespace rtas::views
