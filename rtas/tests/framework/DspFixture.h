// A host with DSP cards for the DSP layer's tests: the kit reset, the DSI bound afresh in the mode the test asks for
// (gestalt 18 true keeps the direct record access; absent, the DSI's functions answer), and everything undone after.
#pragma once

#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/KitDspControl.h"
#include "rtas/framework/HostLockService.h"
#include "rtas/framework/dsp/DsiEntryPoints.h"
#include "rtas/framework/dsp/DspManagerInterface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

enum class DsiWay { kDirect, kDsi };

inline const char* WayName(const testing::TestParamInfo<DsiWay>& info)
{
    return info.param == DsiWay::kDirect ? "Direct" : "Dsi";
}

class DspHost
{
public:
    explicit DspHost(DsiWay way = DsiWay::kDsi)
    {
        QorKitReset();
        QorKitDsiReset();
        rtas::ForgetHostLockService();
        rtas::dsi::UnloadDSIEntryPoints();
        if (way == DsiWay::kDirect)
            QorKitSetGestalt(18, 1);
        bindResult = rtas::dsi::LoadDSIEntryPoints();
    }
    ~DspHost()
    {
        rtas::dsp::ReleaseDSPManagerInterface();
        rtas::dsi::UnloadDSIEntryPoints();
        QorKitDsiReset();
        QorKitDspManagerOffer(0, 1);
        rtas::ForgetHostLockService();
        QorKitReset();
    }
    DspHost(const DspHost&) = delete;
    DspHost& operator=(const DspHost&) = delete;

    int32_t bindResult = 0;
};

inline std::vector<int32_t> SentWords(HostWord dsp)
{
    std::vector<int32_t> words(size_t(QorKitDsiSentWords(dsp, nullptr, 0)));
    QorKitDsiSentWords(dsp, words.data(), int32_t(words.size()));
    return words;
}

inline std::vector<int32_t> Commands(HostWord dsp)
{
    std::vector<int32_t> vectors(size_t(QorKitDsiCommands(dsp, nullptr, 0)));
    QorKitDsiCommands(dsp, vectors.data(), int32_t(vectors.size()));
    return vectors;
}

inline std::string CallLog()
{
    std::string log(size_t(QorKitCallLog(nullptr, 0)) + 1, '\0');
    QorKitCallLog(log.data(), int32_t(log.size()));
    log.resize(log.size() - 1);
    return log;
}

}  // namespace testsupport
