// A plug-in data block: the bytes of a smart structure in a local block of the plug-in's own and, once the host has
// handed one over while the block described itself, in a shared block of the host's. Reads refresh the local copy
// from the shared block; writes go to both. Host thread, inside the group's context lock; the engine reads the shared
// block on its audio thread.
#pragma once

#include "rtas/framework/CSmartStructure.h"

#include <cstdint>

class CPlugInData : public CSmartStructure
{
public:
    static constexpr int32_t kEmptyLayout = -9060;

    // Registers with the host (kind 8).
    CPlugInData();
    ~CPlugInData() override;

    double ReadDouble(int32_t offset) override;
    float ReadFloat(int32_t offset) override;
    int32_t ReadInt32(int32_t offset) override;
    int32_t ReadInt32Field(int32_t offset) override;
    void WriteDouble(int32_t offset, double value) override;
    void WriteFloat(int32_t offset, float value) override;
    void WriteInt32(int32_t offset, int32_t value) override;
    void WritePointer(int32_t offset, HostWord value) override;
    HostWord ReadPointerField(int32_t offset);

    // 1, 2 or 3 for the host's three kinds of data; 0 here.
    virtual int32_t GetDataKind() { return 0; }
    // Hands the record {1, data kind, length, address of the shared-block pointer} to the host; when the host put a
    // new shared block there, the local block is copied into it.
    virtual int32_t Describe();
    virtual void CopyLocalToShared();

    uint8_t* GetSharedBlock() const { return fShared; }

private:
    // Made on first use with the structure's length: an empty layout throws -9060, no memory -9006 (CDAEError).
    uint8_t* LocalBlock();
    // The field's bytes within the block, refreshed from the shared block; null when they lie outside it.
    uint8_t* FieldForRead(int32_t offset, int32_t size);
    void WriteField(int32_t offset, const void* value, int32_t size);

    uint8_t* fShared = nullptr;
    uint8_t* fLocal = nullptr;
};
