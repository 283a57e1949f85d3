// A self-describing block layout: while a structure is being constructed it is the module's current structure, and
// each field declared on it takes the running length as its offset (a byte adds 1, a double 8, a 32-bit integer,
// float or pointer 4). This base stores nothing: its reads answer 0 (the pointer read answers the value it is
// given) and its writes do nothing; CPlugInData keeps the bytes. Host thread, inside the group's context lock.
#pragma once

#include "rtas/framework/host/HostCall.h"

#include <cstdint>

class CSmartStructure
{
public:
    // Becomes the current structure until EndDeclarations.
    CSmartStructure();
    virtual ~CSmartStructure();
    CSmartStructure(const CSmartStructure&) = delete;
    CSmartStructure& operator=(const CSmartStructure&) = delete;

    // Each answers the new field's offset.
    virtual int32_t DeclareByte();
    virtual int32_t DeclareDouble();
    virtual int32_t DeclareInt32();
    virtual int32_t DeclareFloat();
    virtual int32_t DeclarePointer();

    virtual HostWord ReadPointer(HostWord value) { return value; }
    virtual double ReadDouble(int32_t offset) { return 0.0; }
    virtual float ReadFloat(int32_t offset) { return 0.0f; }
    virtual int32_t ReadInt32(int32_t offset) { return 0; }
    virtual int32_t ReadInt32Field(int32_t offset) { return 0; }

    virtual void WriteWord(int32_t offset, int32_t value) {}
    virtual void WriteDouble(int32_t offset, double value) {}
    virtual void WriteFloat(int32_t offset, float value) {}
    virtual void WriteInt32(int32_t offset, int32_t value) {}
    virtual void WritePointer(int32_t offset, HostWord value) {}

    int32_t GetLength() const { return fLength; }
    // The structure under construction, or null.
    static CSmartStructure* Current();
    // The layout is complete: the structure stops being the current one.
    void EndDeclarations();

private:
    int32_t Declare(int32_t bytes);

    int32_t fLength = 0;
};

// A field of the current structure, declared where the member is initialised.
struct CSmartField
{
    explicit CSmartField(int32_t (CSmartStructure::*declare)()) : offset((CSmartStructure::Current()->*declare)()) {}
    const int32_t offset;
};
