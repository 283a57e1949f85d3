// An effect instance with the controls of this product's bridge (a master bypass and sixteen continuous controls
// with small IDs), driven through the routines: control values, bypass, the chunk list and the controls-state chunk,
// and page tables.
#include "FrameworkFixture.h"

#include "rtas/framework/CEffectProcess.h"

#include <cstring>
#include <vector>

using namespace testsupport;

namespace {

class BridgeLikeProcess : public CEffectProcess
{
public:
    BridgeLikeProcess()
    {
        AddControl(new CPluginControl_OnOff(HostFourCC("bypa"), "Master Bypass", false, true));
        for (uint32_t i = 0; i < 16; ++i)
            AddControl(new CPluginControl_Continuous(i + 2, "Param", 0, 1, 0.5, true));
        SetMasterBypassControl(1);
    }
    void UpdateControlValueInAlgorithm(int32_t control) override { ++fUpdates; }
    const uint8_t* GetPageTableData(uint32_t tableType, size_t* size) override
    {
        *size = fPageTable.size();
        return fPageTable.empty() ? nullptr : fPageTable.data();
    }
    int fUpdates = 0;
    std::vector<uint8_t> fPageTable;
};

class EffectInstance : public FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        fType = std::make_unique<CEffectTypeAS>(HostFourCC("Kvam"), HostFourCC("QKvp"), 2);
        fType->SetStemFormats(1, 1, 0);
        fType->SetProcessCreator([]() -> CProcess* { return new BridgeLikeProcess; });
        int32_t index = 0;
        ASSERT_EQ(fType->CreateProcess(&index), 0);
        fProcess = static_cast<BridgeLikeProcess*>(fType->FindProcess(index));
        fIndex = index;
    }
    void TearDown() override
    {
        fType.reset();
        FrameworkTest::TearDown();
    }

    std::vector<uint8_t> GetState()
    {
        int32_t size = 0;
        EXPECT_EQ(fType->GetChunkSize(fIndex, HostFourCC("elck"), &size), 0);
        std::vector<uint8_t> storage(size_t(size), 0xEE);
        auto* chunk = reinterpret_cast<SFicPlugInChunk*>(storage.data());
        EXPECT_EQ(fType->GetChunk(fIndex, HostFourCC("elck"), chunk), 0);
        return storage;
    }
    int32_t Value(int32_t control)
    {
        int32_t value = 0;
        fProcess->GetControlValue(control, &value);
        return value;
    }

    std::unique_ptr<CEffectTypeAS> fType;
    BridgeLikeProcess* fProcess = nullptr;
    int32_t fIndex = 0;
};

TEST_F(EffectInstance, ControlsAnswerThroughTheType)
{
    int32_t count = 0;
    EXPECT_EQ(fType->GetNumControls(fIndex, &count), 0);
    EXPECT_EQ(count, 17);
    unsigned char name[256] = {0};
    fType->GetControlName(fIndex, 1, name);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Master Bypass");
    fType->GetControlNameOfLength(fIndex, 1, 6, name);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Master");
    fType->GetControlName(fIndex, 18, name);
    EXPECT_EQ(name[0], 0);
    int32_t steps = 0;
    fType->GetControlNumSteps(fIndex, 1, &steps);
    EXPECT_EQ(steps, 2);
    // Outside the list nothing fails: getters answer 0, setters do nothing.
    EXPECT_EQ(fType->SetControlValue(fIndex, 0, 5), 0);
    EXPECT_EQ(fType->SetControlValue(fIndex, 18, 5), 0);
    EXPECT_EQ(fProcess->fUpdates, 0);
    EXPECT_EQ(fType->SetControlValue(fIndex, 5, 1234), 0);
    EXPECT_EQ(Value(5), 1234);
    EXPECT_EQ(fProcess->fUpdates, 1);
    int32_t changes = 0;
    fType->GetControlChangeCount(fIndex, &changes);
    EXPECT_EQ(changes, 1);
    // Nudging saturates at the ends of the range.
    fType->SetControlValue(fIndex, 5, 2147483640);
    fType->NudgeControlValue(fIndex, 5, 10);
    EXPECT_EQ(Value(5), INT32_MAX);
    fType->NudgeControlValue(fIndex, 5, INT32_MIN);
    EXPECT_EQ(Value(5), -1);
    EXPECT_EQ(fType->Routine23(fIndex, 3), -7152);
}

TEST_F(EffectInstance, BypassFollowsTheMasterBypassControl)
{
    uint8_t bypassed = 9;
    int32_t control = 0;
    fType->GetMasterBypassControl(fIndex, &control);
    EXPECT_EQ(control, 1);
    fType->GetBypass(fIndex, &bypassed);
    EXPECT_EQ(bypassed, 0);
    EXPECT_EQ(fType->SetBypass(fIndex, 1), 0);
    EXPECT_EQ(Value(1), INT32_MAX);
    fType->GetBypass(fIndex, &bypassed);
    EXPECT_EQ(bypassed, 1);
    // Only the low byte of the host's word counts.
    EXPECT_EQ(fType->SetBypass(fIndex, 0x100), 0);
    EXPECT_EQ(Value(1), INT32_MIN);
    // The middle of the range is not bypassed, as the audio path reads it.
    fType->SetControlValue(fIndex, 1, 0);
    fType->GetBypass(fIndex, &bypassed);
    EXPECT_EQ(bypassed, 0);
    fType->SetControlValue(fIndex, 1, 1);
    fType->GetBypass(fIndex, &bypassed);
    EXPECT_EQ(bypassed, 1);
}

TEST_F(EffectInstance, TheControlsStateLeavesOutTheBypassAndRestoresEveryControlInOrder)
{
    for (int32_t number = 2; number <= 17; ++number)
        fProcess->SetControlValue(number, fProcess->GetControl(number) != nullptr
                                              ? static_cast<CPluginControl_Continuous*>(fProcess->GetControl(number))
                                                    ->GetValueFromDouble(number / 20.0)
                                              : 0);
    fProcess->SetBypass(1);
    const std::vector<uint8_t> saved = GetState();
    EXPECT_EQ(saved.size(), 252u);  // 56 + 4 + 16 x (4 + 8)
    // Change everything, then restore.
    for (int32_t number = 1; number <= 17; ++number)
        fProcess->SetControlValue(number, INT32_MIN);
    auto* chunk = reinterpret_cast<const SFicPlugInChunk*>(saved.data());
    EXPECT_EQ(fType->SetChunk(fIndex, HostFourCC("elck"), chunk), 0);
    for (int32_t number = 2; number <= 17; ++number) {
        const auto* control = static_cast<CPluginControl_Continuous*>(fProcess->GetControl(number));
        EXPECT_NEAR(control->GetDoubleFromValue(Value(number)), number / 20.0, 1e-9) << number;
    }
    EXPECT_EQ(Value(1), INT32_MIN);  // the bypass is not part of the state
    uint8_t equal = 0;
    EXPECT_EQ(fType->CompareChunk(fIndex, HostFourCC("elck"), chunk, &equal), 0);
    EXPECT_EQ(equal, 1);
    fProcess->SetControlValue(9, INT32_MAX);
    EXPECT_EQ(fType->CompareChunk(fIndex, HostFourCC("elck"), chunk, &equal), 0);
    EXPECT_EQ(equal, 0);
}

TEST_F(EffectInstance, AStateWithAnotherMagicOrOfAnotherIDChangesNothing)
{
    fProcess->SetControlValue(3, 77);
    std::vector<uint8_t> saved = GetState();
    fProcess->SetControlValue(3, 99);
    saved[56] = 2;
    EXPECT_EQ(fType->SetChunk(fIndex, HostFourCC("elck"), reinterpret_cast<SFicPlugInChunk*>(saved.data())), 0);
    EXPECT_EQ(Value(3), 99);
    saved[56] = 1;
    EXPECT_EQ(fType->SetChunk(fIndex, HostFourCC("All "), reinterpret_cast<SFicPlugInChunk*>(saved.data())), 0);
    EXPECT_EQ(Value(3), 99);
}

TEST_F(EffectInstance, TheChunkListOffersTheControlsStateFirst)
{
    int32_t count = 0;
    uint32_t id = 0;
    unsigned char name[256] = {0};
    int32_t size = 0;
    fType->GetChunkCount(fIndex, &count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(fType->GetChunkID(fIndex, 1, &id), 0);
    EXPECT_EQ(id, HostFourCC("elck"));
    EXPECT_EQ(fType->GetChunkID(fIndex, 2, &id), -7157);
    EXPECT_EQ(id, HostFourCC("    "));
    fType->GetChunkName(fIndex, HostFourCC("elck"), name);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(name + 1), name[0]), "Complete Controls State");
    EXPECT_EQ(fType->GetChunkSize(fIndex, HostFourCC("All "), &size), -7157);
    fProcess->AddChunk(HostFourCC("All "), "Complete State", 100);
    EXPECT_EQ(fType->GetChunkSize(fIndex, HostFourCC("All "), &size), 0);
    EXPECT_EQ(size, 156);
}

TEST_F(EffectInstance, PageTableLookupsStayInsideTheirEntryAndNeverDivideByZero)
{
    auto put = [&](std::initializer_list<int16_t> words) {
        fProcess->fPageTable.clear();
        for (int16_t w : words) {
            const auto* bytes = reinterpret_cast<const uint8_t*>(&w);
            fProcess->fPageTable.insert(fProcess->fPageTable.end(), bytes, bytes + 2);
        }
    };
    // Kind 1: six values in rows of two; kind 8: four values in rows of four (the row longer than a page of 2).
    put({1, 6, 2, 11, 12, 13, 14, 15, 16, 8, 4, 4, 21, 22, 23, 24, 0});
    const uint32_t table = HostFourCC("PgTL");
    int32_t count = -1;
    int32_t value = -1;
    uint8_t has = 0;
    // Kind 4 falls back to kind 1: two rows of two make a page, and six values divided by two rows a page is 3.
    fType->GetPageTableEntryCount(fIndex, table, 4, &count);
    EXPECT_EQ(count, 3);
    fType->GetPageTableEntry(fIndex, table, 4, 1, 1, &value);
    EXPECT_EQ(value, 16);
    fType->GetPageTableEntry(fIndex, table, 4, 2, 0, &value);  // past the entry's values
    EXPECT_EQ(value, 0);
    fType->GetPageTableEntry(fIndex, table, 4, 0, 4, &value);  // past the page
    EXPECT_EQ(value, 0);
    fType->GetPageTableEntryCount(fIndex, table, -1, &count);
    EXPECT_EQ(count, 6);
    fType->GetPageTableEntry(fIndex, table, -1, 2, 1, &value);
    EXPECT_EQ(value, 16);
    fType->GetPageTableEntry(fIndex, table, -1, 5, 1, &value);  // page below the count, index past the values
    EXPECT_EQ(value, 0);
    // Kind 8 with rows of four in a page of 8; kind 2 over rows of 2 fits one row.
    fType->GetPageTableEntryCount(fIndex, table, 8, &count);
    EXPECT_EQ(count, 2);
    // A page smaller than a row holds no rows: no pages, and no division by zero.
    put({3, 4, 4, 1, 2, 3, 4, 0});
    fType->GetPageTableEntryCount(fIndex, table, 3, &count);
    EXPECT_EQ(count, 0);
    fType->GetPageTableEntry(fIndex, table, 3, 0, 0, &value);
    EXPECT_EQ(value, 0);
    put({3, 4, 0, 1, 2, 3, 4, 0});  // a row length of 0
    fType->GetPageTableEntryCount(fIndex, table, 3, &count);
    EXPECT_EQ(count, 0);
    fType->HasPageTable(fIndex, table, 3, &has);
    EXPECT_EQ(has, 1);
    fType->HasPageTable(fIndex, table, 5, &has);
    EXPECT_EQ(has, 0);
    // An entry that claims more values than the table holds is not read.
    put({1, 100, 2, 1, 2});
    fType->GetPageTableEntryCount(fIndex, table, -1, &count);
    EXPECT_EQ(count, 0);
    fType->GetPageTableEntry(fIndex, table, -1, 0, 0, &value);
    EXPECT_EQ(value, 0);
    fProcess->fPageTable.clear();
    fType->HasPageTable(fIndex, table, -1, &has);
    EXPECT_EQ(has, 0);
}

}  // namespace
