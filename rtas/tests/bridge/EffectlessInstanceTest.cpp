// An instance whose effect did not load lives on: its one control, its input passed through, no delay, and an 8-byte
// state that a host can save with the session and hand back.
#include "rtas/tests/bridge/InstanceFixture.h"

namespace {

using namespace instancetest;

class EffectlessInstance : public WrapperInstance
{
protected:
    void SetUp() override
    {
        WrapperInstance::SetUp();
        shown().clear();
        platform::setMessageHook([](const char*, const char* text) { shown().push_back(text); });
    }
    static std::vector<std::string>& shown()
    {
        static std::vector<std::string> texts;
        return texts;
    }
};

CProcess* NewEffectlessRTAS() { return new CWrapperRTASProcess("No Such Effect.dll"); }
CProcess* NewEffectlessASP() { return new CWrapperASPProcess("No Such Effect.dll"); }

TEST_F(EffectlessInstance, KeepsOneControlPassesItsInputAndSavesItsState)
{
    for (uint32_t type : {kKvss, kKvam}) {
        SCOPED_TRACE(type);
        CWrapperProcess& process = Make(type, &NewEffectlessRTAS, &NewEffectlessASP);
        EXPECT_FALSE(process.HasEffect());
        EXPECT_EQ(shown(), std::vector<std::string>{"Plug-in core lib failed to load."});
        shown().clear();

        int32_t controls = 0;
        ASSERT_EQ(Routine<40>()(type, fIndex, &controls), 0);
        EXPECT_EQ(controls, 1);
        unsigned char name[256] = {};
        Routine<44>()(type, fIndex, 1, name);
        EXPECT_EQ(Text(name), "Master Bypass");
        int16_t delay = -1;
        EXPECT_EQ(Routine<80>()(type, fIndex, &delay), 0);
        EXPECT_EQ(delay, 0);

        // In and out of bypass alike, the input passes as it is.
        std::vector<float> left = Signal(100, 0), right = Signal(100, 1);
        for (uint8_t bypass : {uint8_t(0), uint8_t(1)}) {
            SCOPED_TRACE(int(bypass));
            Routine<39>()(type, fIndex, bypass);
            std::vector<float> outLeft(100, -1.0f), outRight(100, -1.0f);
            EXPECT_EQ(Render(type, fIndex, {left.data(), right.data()}, {outLeft.data(), outRight.data()}, 100), 100);
            EXPECT_EQ(outLeft, left);
            EXPECT_EQ(outRight, right);
        }

        // The session's state: the 8 bytes announced, saved and handed back without complaint.
        int32_t size = 0;
        EXPECT_EQ(Routine<65>()(type, fIndex, kCompleteStateChunk, &size), 0);
        const std::vector<uint8_t> saved = GetChunk(type, fIndex, kCompleteStateChunk);
        ASSERT_EQ(saved.size(), size_t(kPlugInChunkHeaderSize) + 8);
        EXPECT_EQ(std::count(saved.end() - 8, saved.end(), 0), 8);
        EXPECT_EQ(Routine<67>()(type, fIndex, kCompleteStateChunk,
                                reinterpret_cast<const SFicPlugInChunk*>(saved.data())),
                  0);
        EXPECT_TRUE(shown().empty());
        EXPECT_EQ(Routine<20>()(type, fIndex), 0);
    }
}

}  // namespace
