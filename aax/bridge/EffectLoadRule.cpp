#include "aax/bridge/EffectLoadRule.h"

namespace {

const char kPlugInsFolder[] = "Plug-Ins";

}  // namespace

EffectLoadPlan planEffectLoad(bool moduleFound, const std::string& modulePath, char separator,
                              const std::string& effectFileName)
{
    EffectLoadPlan plan;
    if (!moduleFound)
    {
        plan.loadPath = effectFileName;
        return plan;
    }
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
