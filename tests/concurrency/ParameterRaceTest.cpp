// One thread runs audio blocks while another turns knobs, selects programs and reads the meter, as a host's audio
// and GUI threads do. Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "effect/QorFETcomp.h"
#include "tests/support/TestHost.h"

TEST(ParameterRace, BlocksRunWhileParametersAndProgramsChange)
{
    TestHost::instance().reset();
    auto* effect = new QorFETcomp(&TestHost::callback);
    EffectRecord* record = effect->getRecord();
    record->dispatcher(record, 12, 0, 1, nullptr, 0.0f);

    std::atomic<bool> stop{false};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        std::vector<double> left(256), right(256), outL(256), outR(256);
        std::vector<float> leftF(256), rightF(256), outLF(256), outRF(256);
        double phase = 0.0;
        while (!stop.load()) {
            for (size_t i = 0; i < left.size(); ++i, phase += 0.03) {
                left[i] = 0.8 * std::sin(phase);
                right[i] = 0.6 * std::cos(phase);
                leftF[i] = static_cast<float>(left[i]);
                rightF[i] = static_cast<float>(right[i]);
            }
            double* in[2] = {left.data(), right.data()};
            double* out[2] = {outL.data(), outR.data()};
            record->processDoubleReplacing(record, in, out, 256);
            float* inF[2] = {leftF.data(), rightF.data()};
            float* outF[2] = {outLF.data(), outRF.data()};
            record->processReplacing(record, inF, outF, 256);
            for (double v : outL)
                ASSERT_TRUE(std::isfinite(v));
            blocks.fetch_add(1);
        }
    });

    float meterSum = 0.0f;
    for (int round = 0; round < 400; ++round) {
        for (int32_t index = 0; index < 16; ++index)
            record->setParameter(record, index, static_cast<float>((round * 7 + index) % 11) / 10.0f);
        if (round % 10 == 0)
            effect->setCurrentProgram(round / 10 % 18);
        meterSum += record->getParameter(record, 17);
        char text[64] = {};
        record->dispatcher(record, 7, round % 16, 0, text, 0.0f);
        if (round % 50 == 0)
            while (blocks.load() < round / 50)
                std::this_thread::yield();
    }
    stop.store(true);
    audio.join();
    EXPECT_GT(blocks.load(), 0);
    EXPECT_TRUE(std::isfinite(meterSum));
    record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
}
