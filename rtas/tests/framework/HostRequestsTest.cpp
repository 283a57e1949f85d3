// Requests to the host through its component callback, and the group's requests that carry the host token.
#include "FrameworkFixture.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/HostRequests.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <vector>

using namespace testsupport;

namespace {

struct Seen
{
    int16_t request;
    bool hadRecord;
    std::vector<int32_t> words;
};
std::vector<Seen> gSeen;
int16_t gAnswer = 0;

int16_t QOR_HOST_CALL RecordingCallback(int16_t request, ComponentRecord* record, char** block)
{
    Seen seen{request, record != nullptr, {}};
    const int32_t size = GetHandleSize(block);
    const auto* words = reinterpret_cast<const int32_t*>(*block);
    seen.words.assign(words, words + size / 4);
    // The query with result: the host fills the caller's word.
    if (request == rtas::kHostQueryWithResult)
        *reinterpret_cast<int32_t*>(intptr_t(words[1])) = 555;
    gSeen.push_back(seen);
    return gAnswer;
}

class HostRequests : public FrameworkTest
{
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        gSeen.clear();
        gAnswer = 0;
    }
};

TEST_F(HostRequests, EachRequestFillsItsBlockAndFreesIt)
{
    const int32_t handles = QorKitLiveHandles();
    EXPECT_EQ(rtas::SendHostThreeArgumentRequest(RecordingCallback, 1, 2, 3), 0);
    EXPECT_EQ(rtas::SendHostTwoArgumentRequest(RecordingCallback, 4, 5), 0);
    int32_t result = 0;
    EXPECT_EQ(rtas::SendHostQuery(RecordingCallback, 6, &result), 0);
    EXPECT_EQ(result, 555);
    gAnswer = -7;
    EXPECT_EQ(rtas::SendHostDSPGroupRequest(RecordingCallback, 7, 8, 9), -7);
    ASSERT_EQ(gSeen.size(), 4u);
    EXPECT_EQ(gSeen[0].request, 19);
    EXPECT_EQ(gSeen[0].words, (std::vector<int32_t>{1, 2, 3, 0}));
    EXPECT_EQ(gSeen[1].request, 20);
    EXPECT_EQ(gSeen[1].words, (std::vector<int32_t>{4, 5, 0, 0}));
    EXPECT_EQ(gSeen[2].request, 15);
    EXPECT_EQ(gSeen[2].words.size(), 2u);
    EXPECT_EQ(gSeen[3].request, 13);
    EXPECT_EQ(gSeen[3].words, (std::vector<int32_t>{7, 8, 9}));
    for (const Seen& seen : gSeen)
        EXPECT_FALSE(seen.hadRecord);
    EXPECT_EQ(QorKitLiveHandles(), handles);
}

TEST_F(HostRequests, NoCallbackAnswersWithoutAllocatingAndNoMemoryIsReported)
{
    const int32_t handles = QorKitLiveHandles();
    QorKitSetNewHandleFails(1);
    EXPECT_EQ(rtas::SendHostTwoArgumentRequest(nullptr, 1, 2), -7175);
    EXPECT_EQ(rtas::SendHostTwoArgumentRequest(RecordingCallback, 1, 2), -7176);
    QorKitSetNewHandleFails(0);
    EXPECT_TRUE(gSeen.empty());
    EXPECT_EQ(QorKitLiveHandles(), handles);
}

TEST_F(HostRequests, GroupRequestsCarryTheHostTokenAsTheirThirdWord)
{
    TestEffectGroup& group = MakeGroup();
    EXPECT_EQ(group.RequestHost11(1, 2), -7175);
    EXPECT_EQ(Routine<14>()(RecordingCallback), 0);
    EXPECT_EQ(Routine<38>()(0xABC), 0);
    EXPECT_EQ(group.RequestHost11(1, 2), 0);
    EXPECT_EQ(group.RequestHost12(1, 2, 3), 0);
    EXPECT_EQ(group.RequestHost14(1, 2, 3), 0);
    QorKitRemoveGestalt(kGestaltHostRequest17);
    EXPECT_EQ(group.RequestHost10(1, 2, 3, 4), 0);
    ASSERT_EQ(gSeen.size(), 4u);
    EXPECT_EQ(gSeen[0].request, 11);
    EXPECT_EQ(gSeen[0].words, (std::vector<int32_t>{1, 2, 0xABC}));
    EXPECT_EQ(gSeen[1].request, 12);
    EXPECT_EQ(gSeen[1].words, (std::vector<int32_t>{1, 2, 0xABC, 3}));
    EXPECT_EQ(gSeen[2].request, 14);
    EXPECT_EQ(gSeen[3].request, 10);
    EXPECT_EQ(gSeen[3].words, (std::vector<int32_t>{1, 2, 0xABC, 3, 4}));
}

TEST_F(HostRequests, TheGroupsHostServicesAndTheTypesQueryGoThroughTheStoredCallback)
{
    TestEffectGroup& group = MakeGroup();
    auto* type = dynamic_cast<CDSPProcessType*>(group.FindProcessType(kKvss));
    ASSERT_NE(type, nullptr);
    int32_t result = 0;
    const int32_t identifier = 31;
    // Without the callback of routine 14 nothing is sent.
    EXPECT_EQ(group.HostServiceA(1, 2, 3), -7175);
    EXPECT_EQ(group.HostServiceB(1, 2), -7175);
    EXPECT_EQ(group.HostServiceC(1, &result), -7175);
    try {
        type->QueryHostValue(&identifier);
        ADD_FAILURE() << "no exception";
    } catch (const CDAEError& error) {
        EXPECT_EQ(error.GetCode(), -7175);
    }
    EXPECT_TRUE(gSeen.empty());

    ASSERT_EQ(Routine<14>()(RecordingCallback), 0);
    EXPECT_EQ(group.HostServiceA(1, 2, 3), 0);
    EXPECT_EQ(group.HostServiceB(4, 5), 0);
    EXPECT_EQ(group.HostServiceC(6, &result), 0);
    EXPECT_EQ(result, 555);
    EXPECT_EQ(type->QueryHostValue(&identifier), 555);
    ASSERT_EQ(gSeen.size(), 4u);
    EXPECT_EQ(gSeen[0].request, 19);
    EXPECT_EQ(gSeen[0].words, (std::vector<int32_t>{1, 2, 3, 0}));
    EXPECT_EQ(gSeen[1].request, 20);
    EXPECT_EQ(gSeen[2].request, 15);
    EXPECT_EQ(gSeen[3].request, 15);
    EXPECT_EQ(gSeen[3].words[0], identifier);
    gAnswer = -9;
    EXPECT_THROW(type->QueryHostValue(&identifier), CDAEError);
    EXPECT_EQ(group.GroupQueryB(), -7102);
}

}  // namespace
