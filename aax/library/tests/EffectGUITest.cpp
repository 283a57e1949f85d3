#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aax/library/AAX_CBinaryDisplayDelegate.h"
#include "aax/library/AAX_CBinaryTaperDelegate.h"
#include "aax/library/AAX_CEffectGUI.h"
#include "aax/library/AAX_CEffectParameters.h"
#include "aax/library/AAX_CParameter.h"
#include "aax/library/AAX_VViewContainer.h"
#include "hosts/aax/InstanceContext.h"

namespace {

using Lines = std::vector<std::string>;

// Seventeen two-state parameters: the bypass and "0" .. "15".
class SeventeenParameters final : public AAX_CEffectParameters
{
public:
    AAX_Result SetUp() override
    {
        add(kAAXMasterBypassID);
        for (int i = 0; i < 16; ++i)
            add(std::to_string(i).c_str());
        return AAX_SUCCESS;
    }

private:
    void add(const char* id)
    {
        Parameters().AddParameter(new AAX_CParameter<bool>(id, AAX_CString(id), false, AAX_CBinaryTaperDelegate<bool>(),
                                                           AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
    }
};

// Records what the base asks of its derived class.
class RecordingGUI final : public AAX_CEffectGUI
{
public:
    Lines calls;

    AAX_Result OnParameterChanged(AAX_CParamID identifier) override
    {
        calls.push_back(std::string("changed ") + identifier);
        return AAX_SUCCESS;
    }
    using AAX_CEffectGUI::EffectParameters;
    using AAX_CEffectGUI::ViewContainer;

protected:
    void BuildViewContents() override { calls.push_back(EffectParameters() ? "build with parameters" : "build"); }
    void OpenView() override
    {
        calls.push_back(ViewContainer() && ViewContainer()->GetType() == acf::kViewNativeWindow ? "open native"
                                                                                                  : "open");
    }
    void CloseView() override { calls.push_back(ViewContainer() ? "close with container" : "close"); }
};

// A GUI object on the instance's context, as the host builds one for an open window.
struct Window
{
    aaxkit::InstanceContext host;
    SeventeenParameters* parameters = new SeventeenParameters;
    RecordingGUI* gui = new RecordingGUI;

    explicit Window(bool answerParameters = true)
    {
        void* iface = nullptr;
        parameters->GetPrivateUnknown()->QueryInterface(acf::kIidEffectParameters, &iface);
        parameters->Initialise(static_cast<IACFUnknown*>(host.context()));
        if (answerParameters)
            host.answer(acf::kIidEffectParameters, iface);
        gui->GetPrivateUnknown()->QueryInterface(acf::kIidEffectGui, &iface);
    }
    ~Window()
    {
        gui->Release();
        parameters->Shutdown();
        parameters->Release();
        EXPECT_EQ(host.referencesHeld(), 0) << "every reference to the host's objects given back";
    }
};

}  // namespace

TEST(EffectGUI, OpeningTheWindowShowsEveryParameterAndClosingDropsTheContainer)
{
    Window window;
    ASSERT_EQ(window.gui->Initialise(static_cast<IACFUnknown*>(window.host.context())), AAX_SUCCESS);
    EXPECT_EQ(window.gui->calls, Lines{"build with parameters"});
    EXPECT_EQ(window.gui->EffectParameters(), static_cast<AAX_IEffectParameters*>(window.parameters));

    window.gui->calls.clear();
    EXPECT_EQ(window.gui->AttachViewContainer(static_cast<IACFUnknown*>(window.host.viewContainer())), AAX_SUCCESS);
    ASSERT_EQ(window.gui->calls.size(), 18u);
    EXPECT_EQ(window.gui->calls[0], "open native");
    EXPECT_EQ(window.gui->calls[1], "changed MasterBypassID");
    EXPECT_EQ(window.gui->calls[17], "changed 15");
    EXPECT_EQ(window.host.views().references, 1) << "the container proxy holds the host's container";

    window.gui->calls.clear();
    EXPECT_EQ(window.gui->AttachViewContainer(nullptr), AAX_SUCCESS);
    EXPECT_EQ(window.gui->calls, Lines{"close"}) << "the proxy is gone before the view closes";
    EXPECT_EQ(window.gui->ViewContainer(), nullptr);
    EXPECT_EQ(window.host.views().references, 0);

    const int32_t heldWithGui = window.host.referencesHeld();
    EXPECT_EQ(window.gui->Shutdown(), AAX_SUCCESS);
    EXPECT_EQ(window.gui->EffectParameters(), nullptr);
    EXPECT_LT(window.host.referencesHeld(), heldWithGui) << "the GUI's controller and transport are given back";
}

TEST(EffectGUI, WithoutContextOrParametersTheBaseDoesNothingHarmful)
{
    Window window(false);
    EXPECT_EQ(window.gui->Initialise(nullptr), AAX_ERROR_NO_HOST_CONTEXT);
    EXPECT_TRUE(window.gui->calls.empty());

    EXPECT_EQ(window.gui->Initialise(static_cast<IACFUnknown*>(window.host.context())), AAX_SUCCESS);
    EXPECT_EQ(window.gui->EffectParameters(), nullptr);
    window.gui->AttachViewContainer(static_cast<IACFUnknown*>(window.host.viewContainer()));
    EXPECT_EQ(window.gui->calls, (Lines{"build", "open native"})) << "no parameters to show";

    acf::ViewSize size{};
    AAX_CString label;
    EXPECT_EQ(window.gui->QueryCustomLabel("0", &label), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(window.gui->QueryViewSize(&size), AAX_SUCCESS);
    EXPECT_EQ(window.gui->PaintView(nullptr), AAX_SUCCESS);
    EXPECT_EQ(window.gui->OnTimer(), AAX_SUCCESS);
    EXPECT_EQ(window.gui->ShowControlHighlight("0", 1, 2), AAX_SUCCESS);
    EXPECT_EQ(window.gui->OnNotification(0, nullptr, 0), AAX_SUCCESS);
}

TEST(EffectGUI, ObjectLeavesNoHostReferenceOrLiveObjectBehind)
{
    const int32_t liveBefore = CACFUnknown::LiveObjectCount();
    {
        Window window;
        window.gui->Initialise(static_cast<IACFUnknown*>(window.host.context()));
        window.gui->AttachViewContainer(static_cast<IACFUnknown*>(window.host.viewContainer()));
        // The host releases a window without detaching its container or shutting the object down first.
    }
    EXPECT_EQ(CACFUnknown::LiveObjectCount(), liveBefore);
}
