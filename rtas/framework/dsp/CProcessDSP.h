// A DSP that runs a process of the library: the message protocol on top of host commands (state data, time of day,
// memory words) and the access guard around each exchange. Main thread; each exchange holds the DSP's critical
// region and the busy flag throughout.
#pragma once

#include "rtas/framework/dsp/CDSP.h"
#include "rtas/framework/host/ToolboxServices.h"

class CProcessDSP : public CDSP
{
public:
    CProcessDSP();
    ~CProcessDSP() override;

    // Also makes the critical region (named after the DSP's program where the lock service can name it).
    int32_t Attach(HostWord dsp) override;
    // Enters the region and sets the busy flag; answers whether the flag was clear.
    bool BeginAccess() override;
    void EndAccess() override;
    // Start and stop are host commands with the start and stop vectors rather than the DSI's shell calls.
    int16_t InitShell() override;
    int16_t StartShell() override;
    // Asks the process's own code information first; the DSI's query answers when that one has none (-7026).
    int16_t GetCodeInfo(HostWord codeIdentifier, HostWord info) override;

    int32_t ReadFirstWord();
    int32_t PlaceBlock(int32_t which, int32_t a, int32_t b, int32_t c, int32_t d);
    int32_t PlaceBlockInDefaultArea(int32_t which, int32_t a, int32_t b, int32_t c);
    int32_t SendTriple(int32_t which, int32_t a, int32_t b, int32_t c);
    int32_t SendFlagged(int32_t which, int32_t a, int32_t b, bool flag);
    void SetSavedAddress(int32_t a);
    void SetSavedAddresses(int32_t a, int32_t b);
    void GetSavedAddresses(int32_t* a, int32_t* b) const;
    // The process's state: firstCount words of the first memory, then secondCount words of the second. -108 (and a
    // debug text) when a memory is missing or holds fewer words than its count says; nothing is sent then.
    int32_t SetStateData(HostHandle firstMemory, int32_t firstCount, HostHandle secondMemory, int32_t secondCount,
                         int32_t thirdValue, int32_t d, int32_t e, int32_t f, int32_t g);
    int32_t SetTimeOfDay(int32_t a, int32_t b, int32_t c);
    int32_t ReadWordAt(int32_t a, int32_t b);
    int32_t QueryReady();
    void SendMessage14();
    void SetRunFlag(bool flag);
    // The 48-bit value of two words (first << 24 | low 24 bits of the second); nothing at all when b is -1.
    void GetCombined(int32_t a, int32_t b, bool flag, int64_t* value);
    void GetCurrentTimeOfDay(int64_t* value);
    void TouchRegion();

    int32_t GetAddressOffset() const { return fAddressOffset; }
    int32_t GetStartVector() const { return fStartVector; }
    int32_t GetStopVector() const { return fStopVector; }
    int32_t GetMessageVector() const { return fMessageVector; }
    int32_t GetUseCount() const { return fUseCount; }
    bool IsBusy() const { return fBusy; }
    HostWord GetRegion() const { return fRegion; }

    virtual bool TrySend(int32_t word);
    virtual bool TryReceive(int32_t* word);
    virtual bool IsReadyToSend() { return true; }
    virtual bool IsReadyToReceive() { return true; }

protected:
    CProcessDSP(int32_t commandBase, int32_t addressOffset, int32_t firstArea, int32_t secondArea);
    // One message: the words sent with the message vector, readCount words read back.
    int32_t Message(std::initializer_list<int32_t> words, int32_t readCount, int32_t* out);

    bool fBusy = false;
    int32_t fSavedA = -1;
    int32_t fSavedB = -1;
    int32_t fAddressOffset;
    int32_t fFirstArea;
    int32_t fSecondArea;
    int32_t fMessageVector = 13;
    int32_t fStartVector = 0;
    int32_t fStopVector = 1;
    HostWord fRegion = 0;
    int32_t fUseCount = 0;
};

// A generic chip: one stored value and four flag operations.
class CGenericDSP : public CProcessDSP
{
public:
    CGenericDSP() = default;
    int32_t GetValue() const { return fValue; }
    void SetValue(int32_t value) { fValue = value; }
    virtual bool TestFlagA() { return false; }
    virtual bool TestFlagB() { return false; }
    virtual void RaiseFlagA() {}
    virtual void LowerFlagA() {}

protected:
    using CProcessDSP::CProcessDSP;

private:
    int32_t fValue = 0;
};

// A 321 chip: its four flag operations always go through the DSI (host bits 5 and 7).
class C321ChipDSP : public CGenericDSP
{
public:
    C321ChipDSP();
    bool TestFlagA() override;
    bool TestFlagB() override;
    void RaiseFlagA() override;
    void LowerFlagA() override;
};
