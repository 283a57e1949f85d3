#include "aax/bridge/EffectLoadRule.h"

namespace {

const char kPlugInsFolder[] = "Plug-Ins";

}  // namespace

EffectLoadPlan planEffectLoad(bool moduleFound, const std::string& modulePath, char separator,
                              const std::string& effectFileName)
{
    EffectLoadPlan plan;
    // Without its own folder the plug-in has no place to load from: a bare file name would have the system search
    // for it (the current folder among others), where a file of that name could be planted. The empty path fails.
    if (!moduleFound)
        return plan;
    const size_t lastSeparator = modulePath.rfind(separator);
    const std::string folder = lastSeparator == std::string::npos ? "" : modulePath.substr(0, lastSeparator + 1);
    plan.setSearchDirectory = true;
    const size_t plugIns = folder.find(kPlugInsFolder);
    const size_t below = plugIns == std::string::npos ? std::string::npos : folder.find(separator, plugIns);
    if (below != std::string::npos)
    {
        plan.loadPath = folder.substr(below + 1) + effectFileName;
        plan.searchDirectory = folder.substr(0, below);
    }
    else
    {
        plan.loadPath = folder + effectFileName;
    }
    return plan;
}
