// The plug-in file Wrapper.dpm loaded by its path as a host loads it, over a freshly reset host kit, with its exports
// and routines at hand. Unloaded again (closing what the test left open) at the end of each test.
#pragma once

#include "hosts/rtas/KitControl.h"
#include "platform/Library.h"
#include "rtas/framework/host/PlugInEntries.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <gtest/gtest.h>

#include <string>

class PlugInFile : public ::testing::Test
{
protected:
    static constexpr const char* kPlugInPath = "Wrapper.dpm";

    void SetUp() override
    {
        QorKitReset();
        ASSERT_TRUE(plugIn_.open(kPlugInPath)) << plugIn_.error();
        newPlugIn_ = reinterpret_cast<NewPlugInEntry>(plugIn_.symbol(kNewPlugInName));
        winOpen_ = reinterpret_cast<WinPlugInOpenEntry>(plugIn_.symbol(kWinPlugInOpenName));
        winClose_ = reinterpret_cast<WinPlugInCloseEntry>(plugIn_.symbol(kWinPlugInCloseName));
        descriptor_ = reinterpret_cast<GetRoutineDescriptorEntry>(plugIn_.symbol(kGetRoutineDescriptorName));
        ASSERT_NE(newPlugIn_, nullptr);
        ASSERT_NE(winOpen_, nullptr);
        ASSERT_NE(winClose_, nullptr);
        ASSERT_NE(descriptor_, nullptr);
    }

    void TearDown() override
    {
        for (; opens_ > 0; --opens_)
            winClose_();
        plugIn_.close();
        EXPECT_FALSE(platform::Library::isResident(kPlugInPath)) << "the plug-in file stayed loaded";
        EXPECT_EQ(QorKitLiveLocks(), 0);
        EXPECT_EQ(QorKitOpenResourceFiles(), 0);
    }

    // Opens the plug-in as the engine does (through the procedure it registered), and closes it again.
    int32_t EngineOpen()
    {
        PlugInOpenProc open = QorKitOpenProc();
        if (open == nullptr)
            return -1;
        const int32_t result = open();
        opens_ += result == 0 ? 1 : 0;
        return result;
    }
    int32_t EngineClose()
    {
        opens_ -= opens_ > 0 ? 1 : 0;
        return QorKitCloseProc()();
    }
    int32_t WinOpen(int32_t version)
    {
        const int32_t result = winOpen_(version);
        opens_ += result == 0 ? 1 : 0;
        return result;
    }
    int32_t WinClose()
    {
        opens_ -= opens_ > 0 ? 1 : 0;
        return winClose_();
    }

    // The routine of a selector, as the host fetches it.
    template <int Selector>
    typename PlugInRoutine<Selector>::Type Routine()
    {
        PlugInRoutinePointer routine = nullptr;
        EXPECT_EQ(descriptor_(Selector, &routine), 0) << "selector " << Selector;
        return reinterpret_cast<typename PlugInRoutine<Selector>::Type>(routine);
    }

    int16_t CountTypes()
    {
        int16_t count = -1;
        EXPECT_EQ(Routine<22>()(&count), 0);
        return count;
    }

    platform::Library plugIn_;
    NewPlugInEntry newPlugIn_ = nullptr;
    WinPlugInOpenEntry winOpen_ = nullptr;
    WinPlugInCloseEntry winClose_ = nullptr;
    GetRoutineDescriptorEntry descriptor_ = nullptr;
    int opens_ = 0;
};

inline std::string PascalText(const unsigned char* text)
{
    return std::string(reinterpret_cast<const char*>(text) + 1, text[0]);
}
