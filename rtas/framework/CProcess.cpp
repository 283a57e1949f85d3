#include "rtas/framework/CProcess.h"

#include "rtas/framework/CProcessGroupInterface.h"
#include "rtas/framework/LibraryViews.h"
#include "rtas/framework/ModuleState.h"

CProcess::CProcess()
{
    // A new instance starts with the settings the host gave the group.
    const CProcessGroupInterface* group = rtas::GetModuleGroup();
    fSampleRate = group != nullptr ? group->GetSampleRate() : 44100;
    fEngineSettingA = group != nullptr ? group->GetEngineSettingA() : 5;
    fEngineSettingB = group != nullptr ? group->GetEngineSettingB() : 0;
}

CProcess::~CProcess() { rtas::DeleteLibraryRootView(fRootView); }

int32_t CProcess::Initialize()
{
    if (fRootView == nullptr)
        fRootView = CreateRootView();
    return 0;
}

rtas::views::CPlugInView* CProcess::CreateRootView() { return rtas::CreateLibraryRootView(*this); }

void CProcess::Uninitialize()
{
    rtas::DeleteLibraryRootView(fRootView);
    fRootView = nullptr;
}

int32_t CProcess::SetSampleRate(int32_t rate)
{
    fSampleRate = rate;
    return 0;
}

int32_t CProcess::SetRoutine125Value(int32_t value)
{
    fRoutine125Value = value;
    return 0;
}

int32_t CProcess::SetEngineSettings(const int32_t* settings)
{
    fEngineSettingA = settings[0];
    fEngineSettingB = settings[1];
    return 0;
}

