// The instance as the host's engine holds it as a component object: its IProcess2 face (DSP load, the DSP object it
// runs on, and the descriptions of the instance for the host's connection service) and the DSP-object link. Host
// threads, under the group's context lock.
#pragma once

#include "rtas/framework/CProcess.h"

#include <cstdint>

class CDSP;
class CDSPProcessType;

namespace DOA {
// {297F5760-2366-11D2-817A-0060089A8916} and {297F5761-2366-11D2-817A-0060089A8916}
constexpr GUID IID_IProcess = {0x297F5760, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
constexpr GUID IID_IProcess2 = {0x297F5761, 0x2366, 0x11D2, {0x81, 0x7A, 0x00, 0x60, 0x08, 0x9A, 0x89, 0x16}};
}  // namespace DOA

// The host-facing table, in the host's order after the three unknown operations: IProcess, then what IProcess2
// adds.
class IProcess : public DOA::IUnknown
{
public:
    virtual void DeleteThis() = 0;
    virtual int32_t GetDSPLoad() = 0;
    virtual double GetDSPLoadValue() = 0;
    virtual CDSP* GetDSPObject() = 0;
    virtual int32_t AttachDSPObject(CDSP* dsp) = 0;
    virtual int32_t SetDSPIndex(int32_t index) = 0;
    virtual int32_t GetDSPIndex() = 0;
    virtual int32_t SetDSPObject(CDSP* dsp, int32_t index) = 0;
    // The instance for the host's connection service: its plug-in request record, stems and latency.
    virtual int32_t DescribeSpec(SFicPlugInSpec* spec) = 0;
    virtual int32_t DescribeInputs(int32_t* count) = 0;
    virtual int32_t DescribeOutputs(int32_t* count) = 0;
    virtual int32_t DescribeLatency(int32_t* samples) = 0;

protected:
    ~IProcess() = default;
};

class IProcess2 : public IProcess
{
public:
    virtual int32_t AnswerOneA() = 0;
    virtual int32_t AnswerOneB() = 0;

protected:
    ~IProcess2() = default;
};

class CDSPProcess : public CProcess, public IProcess2
{
public:
    CDSPProcess();
    ~CDSPProcess() override;

    // The two process interfaces answer this object's IProcess and IProcess2 faces (one sub-object); everything
    // else goes to the base.
    int32_t NonDelegatingQueryInterface(const DOA::GUID& iid, void** object) override;
    int32_t QueryInterface(const DOA::GUID& iid, void** object) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    void DeleteThis() override { delete this; }
    int32_t GetDSPLoad() override { return 100; }
    double GetDSPLoadValue() override { return 100.0; }
    CDSP* GetDSPObject() override { return fDSP; }
    // Runs the instance on the object (null: on none); the group moves the objects between its free and used lists.
    // A pointer that is no live DSP object answers -7053 and changes nothing.
    int32_t AttachDSPObject(CDSP* dsp) override;
    int32_t SetDSPIndex(int32_t index) override;
    int32_t GetDSPIndex() override { return fDSPIndex; }
    int32_t SetDSPObject(CDSP* dsp, int32_t index) override;
    int32_t DescribeSpec(SFicPlugInSpec* spec) override;
    int32_t DescribeInputs(int32_t* count) override;
    int32_t DescribeOutputs(int32_t* count) override;
    int32_t DescribeLatency(int32_t* samples) override;
    int32_t AnswerOneA() override { return 1; }
    int32_t AnswerOneB() override { return 1; }

    // Gives the DSP object back (through the type, to the manager and the group), then the library's part.
    void Uninitialize() override;

    // The instance's channel counts; a failure is thrown as CDAEError.
    int32_t GetNumInputsOrThrow() const;
    int32_t GetNumOutputsOrThrow() const;
    // Fills the identifying words of the instance's plug-in request record from its type and, for a real-time type,
    // lets the group complete it.
    void FillPlugInSpec(SFicPlugInSpec* spec);
    bool IsPrepared() const { return fPrepared; }

private:
    CDSPProcessType* GetDSPProcessType() const;
    // Tells the group that the object's use may have changed.
    void NoteDSPObjectUse(CDSP* object);

    CDSP* fDSP = nullptr;
    int32_t fDSPIndex = -1;
    bool fPrepared = false;
};
