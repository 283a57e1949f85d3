// The component faces the host holds: the group's IProcessGroup, a type's IProcessType and IProcessType2, an
// instance's IProcess and IProcess2. Each face answers the unknown operations as its object does, so a query
// through any face reaches every other interface of the object, and references taken through a face are the
// object's own.
#include "FrameworkFixture.h"

#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/CEffectProcess.h"

#include <vector>

using namespace testsupport;

namespace {

// Through every face, queries every interface of the object and the unknown; the count goes up by one for each
// answer, by one for an add-reference through the face, and back to where it was after the releases.
void ExpectFacesReachEachOther(DOA::CUnknown& object, const std::vector<DOA::GUID>& faces)
{
    const int32_t start = object.GetReferenceCount();
    std::vector<DOA::GUID> all = faces;
    all.push_back(DOA::IID_IUnknown);
    for (const DOA::GUID& from : faces) {
        void* handedOut = nullptr;
        ASSERT_EQ(object.NonDelegatingQueryInterface(from, &handedOut), 0);
        auto* face = static_cast<DOA::IUnknown*>(handedOut);
        EXPECT_EQ(object.GetReferenceCount(), start + 1);
        EXPECT_EQ(face->AddRef(), uint32_t(start + 2));
        EXPECT_EQ(face->Release(), uint32_t(start + 1));
        for (const DOA::GUID& to : all) {
            void* other = nullptr;
            ASSERT_EQ(face->QueryInterface(to, &other), 0);
            ASSERT_NE(other, nullptr);
            EXPECT_EQ(object.GetReferenceCount(), start + 2);
            void* direct = nullptr;
            object.NonDelegatingQueryInterface(to, &direct);
            EXPECT_EQ(other, direct) << "the same sub-object whichever face asks";
            object.NonDelegatingRelease();
            object.NonDelegatingRelease();
        }
        void* none = reinterpret_cast<void*>(1);
        const DOA::GUID unknown = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
        EXPECT_EQ(face->QueryInterface(unknown, &none), DOA::E_NOINTERFACE);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(face->Release(), uint32_t(start));
    }
    EXPECT_EQ(object.GetReferenceCount(), start);
}

class FacedInstance : public CEffectProcess
{
public:
    int32_t SetUpForRealTime(const SProcessIdentity&, HostWord, int32_t) override { return 0; }
};

class ComponentFaces : public FrameworkTest
{
};

TEST_F(ComponentFaces, TheGroupFaceAnswersAsTheGroup)
{
    TestEffectGroup& group = MakeGroup();
    ExpectFacesReachEachOther(group, {DOA::IID_IProcessGroup});
    // The face is the group's component face, not its routine table.
    void* face = nullptr;
    ASSERT_EQ(group.NonDelegatingQueryInterface(DOA::IID_IProcessGroup, &face), 0);
    EXPECT_EQ(face, static_cast<IProcessGroup*>(&group));
    EXPECT_NE(face, static_cast<void*>(static_cast<CProcessGroupInterface*>(&group)));
    group.NonDelegatingRelease();
}

TEST_F(ComponentFaces, TypeFacesAnswerAsTheType)
{
    MakeGroup();
    auto* type = dynamic_cast<CDSPProcessType*>(fGroup->FindProcessType(kKvss));
    ASSERT_NE(type, nullptr);
    ExpectFacesReachEachOther(*type, {DOA::IID_IProcessType, DOA::IID_IProcessType2});
}

TEST_F(ComponentFaces, InstanceFacesAnswerAsTheInstance)
{
    MakeGroup([]() -> CProcess* { return new FacedInstance; }, []() -> CProcess* { return new FacedInstance; });
    const int32_t index = CreateInstance(kKvms);
    auto* instance = dynamic_cast<CDSPProcess*>(fGroup->FindProcessType(kKvms)->FindProcess(index));
    ASSERT_NE(instance, nullptr);
    ExpectFacesReachEachOther(*instance, {DOA::IID_IProcess, DOA::IID_IProcess2});
}

}  // namespace
