// A plug-in object as the host's real-time engine sees it: its identity, its input and output ports, controls, user
// interface and workers (render callbacks), each object describing itself to the host's object registry. Every
// operation is reached from a host thread inside the group's context lock; none is on the audio path.
#pragma once

#include "rtas/framework/CObjectList.h"
#include "rtas/framework/host/HostCall.h"

#include <cstddef>
#include <cstdint>

class CPlugInPort;

// Who a plug-in object is: the group's manufacturer, product and type IDs for the type, the group word the type's
// group link refers to, and the instance index. Five words, in this order, in every record that carries it.
struct SPlugInIdentity
{
    uint32_t manufacturerID;
    uint32_t productID;
    uint32_t typeID;
    HostWord groupWord;
    int32_t instanceIndex;
};
#if defined(__i386__)
static_assert(sizeof(SPlugInIdentity) == 20, "the identity is five words");
static_assert(offsetof(SPlugInIdentity, groupWord) == 12, "the group word is the fourth word");
#endif

class CPlugIn
{
public:
    static constexpr int32_t kInputsFixed = -7152;
    static constexpr int32_t kOutputsFixed = -7153;
    static constexpr int32_t kNoPort = -9013;
    static constexpr int32_t kNoOwningType = -9060;

    // Registers the object with the host (kind 3). owningType: the plug-in whose defaults stand in for missing
    // ports and controls; null for an instance's adaptor.
    explicit CPlugIn(const SPlugInIdentity& identity, CPlugIn* owningType = nullptr);
    virtual ~CPlugIn();
    CPlugIn(const CPlugIn&) = delete;
    CPlugIn& operator=(const CPlugIn&) = delete;

    virtual int32_t GetIdentity(SPlugInIdentity* identity);
    virtual int32_t CountInputs();
    // Negative n answers 0 at once; a different count on fixed ports answers -7152 (-7153 for outputs); else the
    // ports grow through NewInput or shrink from the end, the plug-in is published again and 0 answered.
    virtual int32_t SetNumInputs(int32_t n);
    // The port at a 1-based position; else the owning type's default; without an owning type throws -9060.
    virtual CPlugInPort* GetInput(int32_t number);
    virtual int32_t CountOutputs();
    virtual int32_t SetNumOutputs(int32_t n);
    virtual CPlugInPort* GetOutput(int32_t number);
    virtual int32_t CountControls();
    virtual void* GetControl(int32_t number);
    virtual void* GetUserInterface();

    // Host queries with fixed default answers; the host alone asks them.
    virtual int32_t HostQuery01();
    virtual int32_t HostQuery02();
    virtual int32_t HostQuery03(unsigned char* text);
    virtual int32_t HostQuery04(int32_t* answer);
    virtual int32_t HostQuery05();
    virtual int32_t HostQuery06();
    virtual bool HostQuery07();
    virtual void HostQuery08();
    virtual void HostQuery09();
    virtual void HostQuery10();
    virtual void HostQuery11();
    virtual void HostQuery12();
    virtual void HostQuery13();
    virtual int32_t HostQuery14();
    virtual int32_t HostQuery15();
    virtual bool HostQuery16();
    virtual int32_t HostQuery17();
    virtual bool HostQuery18();
    virtual int32_t HostQuery19();
    virtual int32_t HostQuery20();
    virtual HostWord HostQuery21(HostWord first, HostWord second);
    virtual int32_t HostQuery22();
    virtual int32_t HostQuery23();
    virtual int32_t HostQuery24();
    virtual int32_t HostQuery25(unsigned char* text);
    virtual int32_t HostQuery26();
    virtual int32_t HostQuery27();
    virtual int32_t HostQuery28();
    virtual int32_t HostQuery29();
    virtual void HostQuery30();
    virtual int32_t HostQuery31();
    virtual uint32_t HostQuery32();
    virtual int32_t HostQuery33(unsigned char* text);
    virtual int32_t HostQuery34();
    virtual int32_t HostQuery35();
    virtual int32_t HostQuery36();
    virtual bool HostQuery37();
    virtual int32_t HostQuery38();
    virtual int32_t HostQuery39();
    virtual int32_t HostQuery40();
    virtual int32_t HostQuery41();
    virtual int32_t HostQuery42();
    virtual int32_t HostQuery43();
    virtual int32_t HostQuery44();

    // Hands the host the notice {2}, the records of every port, worker and data block and the plug-in's own
    // record, then the notice {3}. Answers 0; a record that cannot be built throws the 16-bit value -1.
    virtual int32_t PublishPlugIn();
    virtual int32_t NotifyPublishing(bool starts);
    virtual int32_t HostQuery45(HostWord first, HostWord second, int32_t* answer);
    virtual int32_t HostQuery46(HostWord first, HostWord second, int32_t* answer);
    virtual int32_t HostQuery47();
    // Clears the five identity words at bytes 32 to 51 of a 52-byte host record.
    virtual int32_t ClearIdentityRecord(uint8_t* record);
    virtual int32_t HostQuery48(int32_t* answer);
    virtual CPlugInPort* GetDefaultPort();
    virtual void* GetDefaultControl();
    virtual void* GetDefaultUserInterface();
    virtual bool CanChangeInputs();
    // A new input port with this number (it enters the input list itself); null when it cannot be made.
    virtual CPlugInPort* NewInput(int32_t number);
    virtual bool CanChangeOutputs();
    virtual CPlugInPort* NewOutput(int32_t number);

    // The lists the ports, controls and workers put themselves into.
    CObjectList& InputList() { return fInputs; }
    CObjectList& OutputList() { return fOutputs; }
    CObjectList& ControlList() { return fControls; }
    CObjectList& WorkerList() { return fWorkers; }
    const SPlugInIdentity& Identity() const { return fIdentity; }

private:
    int32_t SetPortCount(int32_t n, bool inputs);
    int16_t DescribeSelf();

    SPlugInIdentity fIdentity;
    CPlugIn* fOwningType;
    CObjectList fInputs;
    CObjectList fOutputs;
    CObjectList fControls;
    void* fUserInterface = nullptr;
    CObjectList fWorkers;
};
