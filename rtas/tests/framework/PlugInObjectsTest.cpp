// The plug-in objects under the adaptor: the object list, a plug-in whose ports may change, the default answers of
// the host queries, and the data block's two copies.
#include "rtas/tests/framework/AdaptorFixture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CObjectList.h"
#include "rtas/framework/CPlugInData.h"
#include "rtas/framework/CPlugInPort.h"

#include <cstring>

namespace {

using testsupport::AdaptorTest;

TEST(ObjectList, AppendingTwiceKeepsOneEntryAndRemovalKeepsTheOrder)
{
    int a = 0, b = 0, c = 0;
    CObjectList list;
    list.Append(&a);
    list.Append(&b);
    list.Append(&a);
    list.Append(&c);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Get(1), &a);
    EXPECT_EQ(list.Get(3), &c);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(4), nullptr);

    list.Remove(&b);
    list.Remove(&b);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_FALSE(list.Contains(&b));
    EXPECT_EQ(list.Get(2), &c);
    list.Remove(&c);
    EXPECT_EQ(list.Last(), &a);
    list.Append(&b);
    EXPECT_EQ(list.Get(2), &b);
}

// A plug-in whose port counts may change, so that the base's growing and shrinking can be seen.
class ChangeablePlugIn : public CPlugIn
{
public:
    using CPlugIn::CPlugIn;
    ~ChangeablePlugIn() override
    {
        while (InputList().Count() > 0)
            delete static_cast<CPlugInPort*>(InputList().Last());
    }
    bool CanChangeInputs() override { return true; }
    CPlugInPort* NewInput(int32_t number) override { return refuse ? nullptr : CPlugIn::NewInput(number); }
    bool refuse = false;
};

TEST_F(AdaptorTest, PortsGrowWithNumbersAfterTheExistingOnesAndShrinkFromTheEnd)
{
    ChangeablePlugIn plugIn({1, 2, 3, 4, 5});
    ASSERT_EQ(plugIn.SetNumInputs(3), 0);
    ASSERT_EQ(plugIn.CountInputs(), 3);
    EXPECT_EQ(plugIn.GetInput(3)->GetNumber(), 3);
    EXPECT_EQ(QorKitLiveHostObjects(), 4);
    ASSERT_EQ(plugIn.SetNumInputs(1), 0);
    EXPECT_EQ(plugIn.CountInputs(), 1);
    EXPECT_EQ(QorKitLiveHostObjects(), 2);
    plugIn.refuse = true;
    EXPECT_EQ(plugIn.SetNumInputs(2), -9013);
    // Outputs stay fixed on this plug-in.
    EXPECT_EQ(plugIn.SetNumOutputs(1), -7153);
    // Every accepted change was published: the plug-in's record counts one input.
    const std::vector<int32_t> record = Record(&plugIn);
    ASSERT_GE(record.size(), 8u);
    EXPECT_EQ(record[6], 1);
}

TEST_F(AdaptorTest, TheHostQueriesAnswerTheirDefaults)
{
    CPlugIn plugIn({1, 2, 3, 4, 5});
    unsigned char text[4] = {3, 'a', 'b', 'c'};
    int32_t word = 9;
    EXPECT_EQ(plugIn.HostQuery03(text), 0);
    EXPECT_EQ(text[0], 0);
    EXPECT_EQ(plugIn.HostQuery04(&word), 0);
    EXPECT_EQ(word, 0);
    EXPECT_EQ(plugIn.HostQuery15(), -9007);
    EXPECT_FALSE(plugIn.HostQuery16());
    EXPECT_EQ(plugIn.HostQuery21(5, 6), 6);
    EXPECT_EQ(plugIn.HostQuery32(), 0x20202020u);
    EXPECT_EQ(plugIn.HostQuery35(), -7157);
    word = 9;
    EXPECT_EQ(plugIn.HostQuery45(1, 2, &word), 0);
    EXPECT_EQ(word, 0);
    word = 9;
    EXPECT_EQ(plugIn.HostQuery48(&word), -7026);
    EXPECT_EQ(word, 0);
    EXPECT_FALSE(plugIn.CanChangeInputs());
    EXPECT_FALSE(plugIn.CanChangeOutputs());

    SPlugInIdentity identity{};
    EXPECT_EQ(plugIn.GetIdentity(&identity), 0);
    EXPECT_EQ(identity.typeID, 3u);
    EXPECT_EQ(identity.instanceIndex, 5);

    // Only the five identity words of a 52-byte host record are cleared.
    uint8_t record[52];
    std::memset(record, 0xAB, sizeof record);
    EXPECT_EQ(plugIn.ClearIdentityRecord(record), 0);
    for (int i = 0; i < 52; ++i)
        EXPECT_EQ(record[i], i < 32 ? 0xAB : 0) << "byte " << i;
}

TEST_F(AdaptorTest, APortAnswersItsConnectionAndItsDefaults)
{
    CPlugIn plugIn({1, 2, 3, 4, 5});
    CPlugInOutput* port = new CPlugInOutput(&plugIn, 1);
    EXPECT_FALSE(port->IsConnected());
    EXPECT_EQ(port->Connect(12), 0);
    EXPECT_TRUE(port->IsConnected());
    EXPECT_EQ(port->Disconnect(), 0);
    EXPECT_FALSE(port->IsConnected());
    int32_t a = 1, b = 2;
    EXPECT_EQ(port->HostQueryPair(&a, &b), -9007);
    EXPECT_EQ(a + b, 0);
    EXPECT_EQ(plugIn.CountOutputs(), 1);
    delete port;
    EXPECT_EQ(plugIn.CountOutputs(), 0);
}

class SmallData : public CPlugInData
{
public:
    SmallData() { EndDeclarations(); }
    const CSmartField byte{&CSmartStructure::DeclareByte};
    const CSmartField number{&CSmartStructure::DeclareDouble};
    const CSmartField level{&CSmartStructure::DeclareFloat};
    const CSmartField count{&CSmartStructure::DeclareInt32};
};

class EmptyData : public CPlugInData
{
public:
    EmptyData() { EndDeclarations(); }
};

TEST_F(AdaptorTest, DataFieldsTakeTheRunningLengthAndAnEmptyLayoutThrows)
{
    SmallData data;
    EXPECT_EQ(data.byte.offset, 0);
    EXPECT_EQ(data.number.offset, 1);
    EXPECT_EQ(data.level.offset, 9);
    EXPECT_EQ(data.count.offset, 13);
    EXPECT_EQ(data.GetLength(), 17);
    EXPECT_EQ(CSmartStructure::Current(), nullptr);

    data.WriteDouble(data.number.offset, 2.5);
    data.WriteFloat(data.level.offset, -1.5f);
    data.WriteInt32(data.count.offset, 42);
    EXPECT_EQ(data.ReadDouble(data.number.offset), 2.5);
    EXPECT_EQ(data.ReadFloat(data.level.offset), -1.5f);
    EXPECT_EQ(data.ReadInt32(data.count.offset), 42);
    // A field that would reach past the block reads 0 and is not written.
    data.WriteInt32(15, 7);
    EXPECT_EQ(data.ReadInt32(15), 0);

    // The host's shared block arrives while the block describes itself and receives the local copy.
    ASSERT_EQ(data.Describe(), 0);
    ASSERT_NE(data.GetSharedBlock(), nullptr);
    int32_t shared = 0;
    std::memcpy(&shared, data.GetSharedBlock() + data.count.offset, 4);
    EXPECT_EQ(shared, 42);
    data.WriteInt32(data.count.offset, 43);
    std::memcpy(&shared, data.GetSharedBlock() + data.count.offset, 4);
    EXPECT_EQ(shared, 43);

    EmptyData empty;
    try {
        empty.ReadInt32(0);
        ADD_FAILURE() << "an empty layout has no block";
    } catch (const CDAEError& error) {
        EXPECT_EQ(error.GetCode(), -9060);
    }
}

}  // namespace
