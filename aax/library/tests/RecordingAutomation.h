// An automation delegate that records every call as one line, and can answer set requests as a host does, by
// applying the value to the parameter.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "aax/library/AAX_IParameter.h"
#include "aax/library/AAX_VAutomationDelegate.h"

class RecordingAutomation : public AAX_IAutomationDelegate
{
public:
    std::vector<std::string> calls;
    // When set, a set request is applied to this parameter at once (the host's echo).
    AAX_IParameter* echoTo = nullptr;

    AAX_Result RegisterParameter(AAX_CParamID id) override { return note("register", id); }
    AAX_Result UnregisterParameter(AAX_CParamID id) override { return note("unregister", id); }
    AAX_Result PostTouchRequest(AAX_CParamID id) override { return note("touch", id); }
    AAX_Result PostReleaseRequest(AAX_CParamID id) override { return note("release", id); }
    AAX_Result PostSetValueRequest(AAX_CParamID id, AAX_CParamValue n) override
    {
        note("set", id, n);
        if (echoTo)
            echoTo->UpdateNormalizedValue(n);
        return AAX_SUCCESS;
    }
    AAX_Result PostCurrentValue(AAX_CParamID id, AAX_CParamValue n) override { return note("current", id, n); }

private:
    AAX_Result note(const char* what, AAX_CParamID id, double n = -1.0)
    {
        char line[128];
        if (n >= 0.0)
            std::snprintf(line, sizeof line, "%s %s %g", what, id, n);
        else
            std::snprintf(line, sizeof line, "%s %s", what, id);
        calls.push_back(line);
        return AAX_SUCCESS;
    }
};
