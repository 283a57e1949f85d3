// The reference count and interface query of the library's component objects.
#include "rtas/framework/CDSPProcessGroup.h"
#include "rtas/framework/CDSPProcessType.h"
#include "rtas/framework/CUnknown.h"

#include <gtest/gtest.h>

namespace {

TEST(CUnknownTest, QueryingIUnknownAddsAReferenceAndAnswersTheObject)
{
    const int32_t live = DOA::CUnknown::GetLiveObjectCount();
    auto* object = new DOA::CUnknown();
    EXPECT_EQ(DOA::CUnknown::GetLiveObjectCount(), live + 1);
    void* answer = nullptr;
    EXPECT_EQ(object->NonDelegatingQueryInterface(DOA::IID_IUnknown, &answer), 0);
    EXPECT_EQ(answer, static_cast<DOA::INondelegatingUnknown*>(object));
    EXPECT_EQ(object->GetReferenceCount(), 2);
    EXPECT_EQ(object->NonDelegatingRelease(), 1u);
    EXPECT_EQ(object->NonDelegatingAddRef(), 2u);
    EXPECT_EQ(object->NonDelegatingRelease(), 1u);
    // The last release deletes the object.
    EXPECT_EQ(object->NonDelegatingRelease(), 0u);
    EXPECT_EQ(DOA::CUnknown::GetLiveObjectCount(), live);
}

TEST(CUnknownTest, AnUnknownIdentifierAnswersNoInterfaceAndNull)
{
    DOA::CUnknown object;
    void* answer = &object;
    const DOA::GUID other = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    EXPECT_EQ(object.NonDelegatingQueryInterface(other, &answer), int32_t(0x80004002u));
    EXPECT_EQ(answer, nullptr);
    EXPECT_EQ(object.GetReferenceCount(), 1);
    EXPECT_EQ(object.NonDelegatingQueryInterface(DOA::IID_IProcessGroup, &answer), DOA::E_NOINTERFACE);
}

TEST(CUnknownTest, TypesAnswerTheirTwoTypeInterfacesAndTheUnknown)
{
    CDSPProcessType type;
    for (const DOA::GUID& iid : {DOA::IID_IProcessType, DOA::IID_IProcessType2}) {
        void* answer = nullptr;
        EXPECT_EQ(type.NonDelegatingQueryInterface(iid, &answer), 0);
        EXPECT_EQ(answer, static_cast<IProcessType2*>(&type));
    }
    void* answer = nullptr;
    EXPECT_EQ(type.NonDelegatingQueryInterface(DOA::IID_IUnknown, &answer), 0);
    EXPECT_EQ(type.NonDelegatingQueryInterface(DOA::IID_IProcessGroup, &answer), DOA::E_NOINTERFACE);
    EXPECT_EQ(type.GetReferenceCount(), 4);
    EXPECT_EQ(type.GetTypeID(), HostFourCC("swDS"));
}

}  // namespace
