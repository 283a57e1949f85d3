#include "rtas/framework/CPlugInData.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/HostObjectRecords.h"
#include "rtas/framework/HostObjectRegistry.h"
#include "rtas/framework/ResultCodes.h"

#include <cstdlib>
#include <cstring>

CPlugInData::CPlugInData() { rtas::RegisterHostObject(this, rtas::kHostObjectData); }

CPlugInData::~CPlugInData()
{
    rtas::UnregisterHostObject(this);
    std::free(fLocal);
}

uint8_t* CPlugInData::LocalBlock()
{
    if (fLocal == nullptr) {
        if (GetLength() <= 0)
            throw CDAEError(kEmptyLayout);
        fLocal = static_cast<uint8_t*>(std::calloc(size_t(GetLength()), 1));
        if (fLocal == nullptr)
            throw CDAEError(rtas::kOutOfMemory);
    }
    return fLocal;
}

uint8_t* CPlugInData::FieldForRead(int32_t offset, int32_t size)
{
    uint8_t* local = LocalBlock();
    if (offset < 0 || size > GetLength() || offset > GetLength() - size)
        return nullptr;
    if (fShared != nullptr)
        std::memcpy(local + offset, fShared + offset, size_t(size));
    return local + offset;
}

void CPlugInData::WriteField(int32_t offset, const void* value, int32_t size)
{
    uint8_t* local = LocalBlock();
    if (offset < 0 || size > GetLength() || offset > GetLength() - size)
        return;
    std::memcpy(local + offset, value, size_t(size));
    if (fShared != nullptr)
        std::memcpy(fShared + offset, value, size_t(size));
}

template <typename T>
static T ReadAs(const uint8_t* field)
{
    T value{};
    if (field != nullptr)
        std::memcpy(&value, field, sizeof value);
    return value;
}

double CPlugInData::ReadDouble(int32_t offset) { return ReadAs<double>(FieldForRead(offset, 8)); }
float CPlugInData::ReadFloat(int32_t offset) { return ReadAs<float>(FieldForRead(offset, 4)); }
int32_t CPlugInData::ReadInt32(int32_t offset) { return ReadAs<int32_t>(FieldForRead(offset, 4)); }
int32_t CPlugInData::ReadInt32Field(int32_t offset) { return ReadInt32(offset); }
HostWord CPlugInData::ReadPointerField(int32_t offset)
{
    return ReadAs<HostWord>(FieldForRead(offset, int32_t(sizeof(HostWord))));
}

void CPlugInData::WriteDouble(int32_t offset, double value) { WriteField(offset, &value, 8); }
void CPlugInData::WriteFloat(int32_t offset, float value) { WriteField(offset, &value, 4); }
void CPlugInData::WriteInt32(int32_t offset, int32_t value) { WriteField(offset, &value, 4); }
void CPlugInData::WritePointer(int32_t offset, HostWord value)
{
    WriteField(offset, &value, int32_t(sizeof value));
}

int32_t CPlugInData::Describe()
{
    uint8_t* const before = fShared;
    HostRecordBuilder builder;
    builder.AppendWord(rtas::kRecordDescription);
    builder.AppendWord(GetDataKind());
    builder.AppendWord(GetLength());
    builder.AppendPointer(&fShared);
    const int32_t result = rtas::DescribeToHost(this, builder);
    if (fShared != before && fShared != nullptr)
        CopyLocalToShared();
    return result;
}

void CPlugInData::CopyLocalToShared()
{
    if (fShared != nullptr)
        std::memcpy(fShared, LocalBlock(), size_t(GetLength()));
}
