// One input or output of a plug-in object as the host's engine sees it: a connection word, its owner and its
// 1-based number. A port registers with the host and enters its owner's input or output list when it is made, and
// leaves both when it is deleted. Host thread, inside the group's context lock.
#pragma once

#include <cstdint>

class CPlugIn;

class CPlugInPort
{
public:
    virtual ~CPlugInPort();
    CPlugInPort(const CPlugInPort&) = delete;
    CPlugInPort& operator=(const CPlugInPort&) = delete;

    virtual bool IsConnected();
    virtual bool HostQueryTrue();
    virtual int32_t Connect(int32_t value);
    virtual int32_t Disconnect();
    // Clears both answers and answers -9007.
    virtual int32_t HostQueryPair(int32_t* first, int32_t* second);
    virtual int32_t HostQueryZeroA();
    virtual int32_t HostQuery1();
    virtual int32_t HostQuery2();
    virtual int32_t HostQuery3();
    virtual int32_t HostQuery4();
    virtual int32_t HostQuery5();
    virtual int32_t HostQuery6();
    virtual int32_t HostQuery7();
    virtual int32_t HostQueryZeroB();
    virtual void HostNoOp();
    // Hands the record {1, owner, port number} to the host's registry; answers its result.
    virtual int32_t Describe();

    CPlugIn* GetOwner() const { return fOwner; }
    int32_t GetNumber() const { return fNumber; }

protected:
    // kind: the registry kind, 4 for an input (enters the owner's input list) or 5 for an output.
    CPlugInPort(CPlugIn* owner, int32_t number, int32_t kind);

private:
    int32_t fConnection = 0;
    CPlugIn* fOwner;
    int32_t fNumber;
};

class CPlugInInput : public CPlugInPort
{
public:
    CPlugInInput(CPlugIn* owner, int32_t number);
};

class CPlugInOutput : public CPlugInPort
{
public:
    CPlugInOutput(CPlugIn* owner, int32_t number);
};
