// A group of the framework's own classes set up as an effect plug-in sets up its group (three real-time and two
// AudioSuite types), with an instance class that answers a few routines recognisably, over a freshly reset host kit.
#pragma once

#include "hosts/rtas/KitControl.h"
#include "rtas/framework/CEffectGroup.h"
#include "rtas/framework/HostLockService.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

class TestProcess : public CProcess
{
public:
    // What the next instance's engine set-up answers.
    static inline int32_t sSetUpResult = 0;
    static inline int32_t sLive = 0;

    TestProcess() { ++sLive; }
    ~TestProcess() override { --sLive; }

    // Identifies the instance that answered: its index, type number and the control asked.
    int32_t GetControlValue(int32_t control, int32_t* value) override
    {
        *value = GetIndex() * 1000 + GetFirstIdentifier() * 100 + control;
        return 0;
    }
    // A value that names the instance, and a failure that delivers a value anyway.
    int32_t Routine73(int32_t* value) override
    {
        *value = GetIndex() * 1000 + 73;
        return 0;
    }
    int32_t Routine74(int32_t* value) override
    {
        *value = 74;
        return -7000;
    }
    int32_t SetUpForRealTime(const SProcessIdentity& identity, HostWord groupWord, int32_t index) override
    {
        fIdentity = identity;
        fGroupWord = groupWord;
        return sSetUpResult;
    }
    // Throws what the test hands it, from inside a routine.
    int32_t SetControlValue(int32_t control, int32_t value) override
    {
        if (sThrow)
            sThrow();
        fLastValue = value;
        return 0;
    }
    static inline std::function<void()> sThrow;

    SProcessIdentity fIdentity{};
    HostWord fGroupWord = 0;
    int32_t fLastValue = 0;
};

class TestEffectGroup : public CEffectGroup
{
public:
    // The types' instances are TestProcess unless creators are given.
    explicit TestEffectGroup(ProcessCreator realTime = nullptr, ProcessCreator audioSuite = nullptr)
        : fRealTime(realTime), fAudioSuite(audioSuite)
    {
        SetManufacturer("QorVelmont\nQor", HostFourCC("Qora"));
        SetEffectName("Qor Kalvenor", 1);
        AddGestalt(14);
    }

protected:
    int32_t CreateEffectTypes() override
    {
        struct Row
        {
            const char* id;
            bool realTime;
            int32_t in, out;
        };
        static const Row rows[] = {{"Kvmm", true, 0, 0}, {"Kvms", true, 0, 1}, {"Kvss", true, 1, 1},
                                   {"Kvas", false, 0, 0}, {"Kvam", false, 1, 1}};
        for (const Row& row : rows) {
            const uint32_t id = (uint32_t(uint8_t(row.id[0])) << 24) | (uint32_t(uint8_t(row.id[1])) << 16) |
                                (uint32_t(uint8_t(row.id[2])) << 8) | uint32_t(uint8_t(row.id[3]));
            CEffectType* type = row.realTime ? static_cast<CEffectType*>(new CEffectTypeRTAS(id, HostFourCC("QKvp"), 2))
                                             : new CEffectTypeAS(id, HostFourCC("QKvp"), 2);
            type->SetName("Qor Kalvenor");
            type->AddGestalt(8);
            type->AddGestalt(row.realTime ? 48 : 2);
            type->AddGestalt(5);
            type->SetGestaltSettingDefault(6);
            type->SetStemFormats(row.in, row.out, 0);
            ProcessCreator creator = row.realTime ? fRealTime : fAudioSuite;
            type->SetProcessCreator(creator != nullptr ? creator : []() -> CProcess* { return new TestProcess; });
            AddEffectType(type);
        }
        return 0;
    }

private:
    ProcessCreator fRealTime;
    ProcessCreator fAudioSuite;
};

// Number of each type in registration order.
constexpr uint32_t kKvmm = 1, kKvms = 2, kKvss = 3, kKvas = 4, kKvam = 5;

class FrameworkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QorKitReset();
        rtas::ResetModuleState();
        rtas::ForgetHostLockService();
        rtas::ForgetPlugInResourceFileUses();
        TestProcess::sSetUpResult = 0;
        TestProcess::sThrow = nullptr;
    }
    void TearDown() override
    {
        fGroup.reset();
        rtas::SetModuleGroup(nullptr);
        rtas::ForgetHostLockService();
        // Every group gives back the resource-file uses it took.
        EXPECT_EQ(rtas::PlugInResourceFileUses(), 0);
        TestProcess::sThrow = nullptr;
    }

    // Makes and initialises the group as the plug-in's group-creating export does.
    TestEffectGroup& MakeGroup(ProcessCreator realTime = nullptr, ProcessCreator audioSuite = nullptr)
    {
        fGroup = std::make_unique<TestEffectGroup>(realTime, audioSuite);
        rtas::SetModuleGroup(fGroup.get());
        EXPECT_EQ(fGroup->Initialize(), 0);
        return *fGroup;
    }

    template <int Selector>
    static typename PlugInRoutine<Selector>::Type Routine()
    {
        PlugInRoutinePointer routine = nullptr;
        EXPECT_EQ(_PI_GetRoutineDescriptor(Selector, &routine), 0);
        return reinterpret_cast<typename PlugInRoutine<Selector>::Type>(routine);
    }

    int32_t CreateInstance(uint32_t typeNumber)
    {
        int32_t index = -1;
        EXPECT_EQ(Routine<19>()(typeNumber, &index), 0);
        return index;
    }

    std::unique_ptr<TestEffectGroup> fGroup;
};

}  // namespace testsupport
