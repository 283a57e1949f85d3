// An instance of the opened plug-in, made through the host's routines: it reads its page tables from the plug-in's
// resource file, however the plug-in was opened, without opening the file a second time.
#include "PlugInFile.h"

namespace {

uint32_t FourCC(const char* text)
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

constexpr uint32_t kKvss = 3;

class PlugInInstance : public PlugInFile
{
protected:
    int32_t PageCount(int32_t index, const char* table, int32_t kind)
    {
        int32_t count = -1;
        EXPECT_EQ(Routine<120>()(kKvss, index, FourCC(table), kind, &count), 0);
        return count;
    }
    int32_t Slot(int32_t index, const char* table, int32_t kind, int32_t page, int32_t slot)
    {
        int32_t value = -1;
        EXPECT_EQ(Routine<121>()(kKvss, index, FourCC(table), kind, page, slot, &value), 0);
        return value;
    }
    bool Has(int32_t index, const char* table, int32_t kind)
    {
        uint8_t has = 9;
        EXPECT_EQ(Routine<129>()(kKvss, index, FourCC(table), kind, &has), 0);
        return has != 0;
    }
};

}  // namespace

TEST_F(PlugInInstance, AnInstanceReadsItsPageTablesFromThePlugInsResourceFile)
{
    for (bool throughWinPlugInOpen : {true, false}) {
        SCOPED_TRACE(throughWinPlugInOpen ? "opened through WinPlugInOpen" : "opened by the engine");
        QorKitReset();
        // The reset forgot the procedures the plug-in registered at load: reload it.
        plugIn_.close();
        ASSERT_TRUE(plugIn_.open(kPlugInPath));
        descriptor_ = reinterpret_cast<GetRoutineDescriptorEntry>(plugIn_.symbol(kGetRoutineDescriptorName));
        winOpen_ = reinterpret_cast<WinPlugInOpenEntry>(plugIn_.symbol(kWinPlugInOpenName));
        winClose_ = reinterpret_cast<WinPlugInCloseEntry>(plugIn_.symbol(kWinPlugInCloseName));
        ASSERT_EQ(throughWinPlugInOpen ? WinOpen(kWinPlugInOpenVersion) : EngineOpen(), 0);

        int32_t index = 0;
        ASSERT_EQ(Routine<19>()(kKvss, &index), 0);
        ASSERT_EQ(index, 1);
        int32_t controls = 0;
        ASSERT_EQ(Routine<40>()(kKvss, index, &controls), 0);
        EXPECT_EQ(controls, 17);

        // Kind 4: three pages of four; page 2 starts with the threshold (control 10).
        EXPECT_TRUE(Has(index, "PgTL", 4));
        EXPECT_EQ(PageCount(index, "PgTL", 4), 3);
        EXPECT_EQ(Slot(index, "PgTL", 4, 0, 0), 2);
        EXPECT_EQ(Slot(index, "PgTL", 4, 1, 0), 10);
        EXPECT_EQ(Slot(index, "PgTL", 4, 2, 3), 15);
        EXPECT_EQ(Slot(index, "PgTL", 4, 3, 0), 0) << "no fourth page";
        // A surface of eight has no entry of its own and takes the every-control entry: 17 controls on 3 pages.
        EXPECT_FALSE(Has(index, "PgTL", 8));
        EXPECT_EQ(PageCount(index, "PgTL", 8), 3);
        EXPECT_EQ(Slot(index, "PgTL", 8, 2, 0), 17);
        EXPECT_EQ(PageCount(index, "PgTL", -1), 17);
        EXPECT_TRUE(Has(index, "MkTL", 1));
        EXPECT_EQ(Slot(index, "MkTL", 1, 0, 0), 1);
        EXPECT_FALSE(Has(index, "DgGT", -1)) << "the effect has no gate";
        EXPECT_EQ(QorKitCallCount("OpenResourceFile"), 1) << "the resource file was opened again";

        EXPECT_EQ(Routine<20>()(kKvss, index), 0);
        EXPECT_EQ(throughWinPlugInOpen ? WinClose() : EngineClose(), 0);
        EXPECT_EQ(QorKitOpenResourceFiles(), 0);
    }
}
