// One DSP chip of the host's DSP cards, as the library talks to it: through the DSI's functions in DSI mode, or
// through the chip's memory-mapped host port otherwise. Made by GetNewCProcessDSP when a DSP group attaches a DSP;
// owned by its caller. Main thread (and the DSI's callbacks through DSPClientEntry, some under the group lock).
#pragma once

#include "rtas/framework/host/DspSystemRecords.h"
#include "rtas/framework/host/HostCall.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

class CDSP
{
public:
    CDSP();
    virtual ~CDSP();
    CDSP(const CDSP&) = delete;
    CDSP& operator=(const CDSP&) = delete;

    // Binds the object to a DSP (null: unbound) and creates its shell. Answers 0 or the first failing DSI result.
    virtual int32_t Attach(HostWord dsp);
    // Hands the DSP back to the standard shell and clears its client value; a failed shell load is raised.
    virtual int32_t Detach();
    virtual bool BeginAccess() { return false; }
    virtual void EndAccess() {}
    // The first DSP of the host's list without a client; 0 when every DSP is taken.
    virtual HostWord FindFreeDSP();
    // Installs the module's "DSPCODE" resource of that number as this object's shell code and makes this object the
    // DSP's client: a DSP running another client's shell is reset to the standard list first. A missing resource
    // raises -7061, a failing reset or shell load the DSI's code. Main thread, under the group's context lock.
    virtual int32_t LoadCode(void* module, int32_t codeIdentifier);

    virtual int32_t HostCommand(int32_t vector);
    virtual int32_t HostCommandOnEmptyPort(int32_t vector);
    // Command, then the words, then readCount words into out. Negative counts, or reads without a buffer, answer -1.
    virtual int32_t CommandThenRead(int32_t vector, int32_t readCount, int32_t* out, int32_t sendCount,
                                    const int32_t* words);
    // The words first, then the command, then the reads.
    virtual int32_t SendThenCommand(int32_t vector, int32_t readCount, int32_t* out, int32_t sendCount,
                                    const int32_t* words);
    int32_t CommandThenRead(int32_t vector, int32_t readCount, int32_t* out, std::initializer_list<int32_t> words)
    {
        return CommandThenRead(vector, readCount, out, int32_t(words.size()), words.begin());
    }
    int32_t SendThenCommand(int32_t vector, int32_t readCount, int32_t* out, std::initializer_list<int32_t> words)
    {
        return SendThenCommand(vector, readCount, out, int32_t(words.size()), words.begin());
    }
    // Words cross the port as 24-bit two's complement: received words are sign-extended, sent words keep bits 23..0.
    virtual int32_t ReceiveWord();
    virtual int32_t SendWord(int32_t word);
    virtual int32_t SendWords(const int32_t* words, int32_t count);
    virtual int32_t ReceiveWords(int32_t* words, int32_t count);
    virtual HostWord GetCoreType();
    virtual int32_t GetKind() { return 2; }

    HostWord GetDSP() const { return fDSP; }
    void SetDSP(HostWord dsp) { fDSP = dsp; }
    HostWord GetShell() const { return fShell; }
    int32_t GetNesting() const { return fNesting; }
    void SetNesting(int32_t nesting) { fNesting = nesting; }
    bool IsDSIMode() const { return fDSIMode; }

    // The DSI's shell calls, each inside BeginAccess/EndAccess, answering the DSI's 16-bit result.
    virtual int16_t GetXWord(HostWord address, HostWord* word);
    virtual int16_t GetYWord(HostWord address, HostWord* word);
    virtual int16_t GetPWord(HostWord address, HostWord* word);
    virtual int16_t ChangeXBits(HostWord address, HostWord mask, HostWord bits);
    virtual int16_t ChangeYBits(HostWord address, HostWord mask, HostWord bits);
    virtual int16_t ChangePBits(HostWord address, HostWord mask, HostWord bits);
    virtual int16_t Execute(HostWord address);
    virtual int16_t SetLeftRightBit(HostWord bit);
    virtual int16_t GetControlLatch(HostWord latch);
    virtual int16_t SetControlLatch(HostWord latch);
    virtual int16_t InitShell();
    virtual int16_t StartShell();
    virtual int16_t PauseShell();
    virtual int16_t ResumeShell();
    virtual int16_t SetInputDelay(HostWord delay);
    virtual int16_t SetOutputDelay(HostWord delay);
    virtual int16_t UpdatePeripheral();
    virtual int16_t GetCodeInfo(HostWord codeIdentifier, HostWord info);

    HostWord GetRegisterBlock() const { return HostWord(reinterpret_cast<uintptr_t>(fRegisters)); }
    DspRecordWord GetFirstInfoWord() const { return fKeptInfo[0]; }
    const DspRecordWord* GetKeptInfoWords() const { return fKeptInfo; }
    bool IsProcessCardKind() const { return fCardKindA; }
    bool IsCardKindB() const { return fCardKindB; }
    int32_t GetCommandBase() const { return fCommandBase; }

    // Orders port accesses: reads the card's synchronising address, or the register block's dummy byte.
    virtual void SyncPort();
    virtual void BindPort(HostWord registerBlock);

    // Host flags 0 and 1 are the control register's bits 3 and 4, flags 2 and 3 the status register's; the DSI
    // numbers them 4 to 7. A flag outside 0..3 reads false and cannot be changed.
    virtual bool GetHostFlag(int32_t flag);
    virtual void SetHostFlag(int32_t flag, bool on);
    // A numbered host bit: outside DSI mode a bit of the control byte, so bits beyond 7 change nothing there.
    virtual void SetHostBit(int32_t bit, bool on);

    // The live object at that address, or null: what a DSI callback may safely call.
    static CDSP* FindLive(HostWord address);

protected:
    CDSP(int32_t commandBase);
    volatile DspRegisterBlock* Registers() const { return fRegisters; }
    // Polls until the status bit is set, at most a million times, then goes on as if it had come.
    void PollStatus(uint8_t mask);

    HostWord fDSP = 0;
    HostWord fShell = 0;
    bool fShellMadeInDSIMode = false;
    volatile DspRegisterBlock* fRegisters = nullptr;
    DspRecordWord fKeptInfo[4] = {};
    int32_t fNesting = 0;
    bool fDSIMode = false;
    bool fCardKindA = false;
    bool fCardKindB = false;
    int32_t fCommandBase = 18;
    // The code array the shell points at. Kept while the shell may still be loaded from it (a host reloads shells
    // after a reset), so the shell never names freed memory; replaced by the next LoadCode.
    std::vector<uint32_t> fCode;
};

// The words of a 24-bit port word as a 32-bit value.
inline int32_t SignExtend24(uint32_t word)
{
    return int32_t(word << 8) >> 8;
}
