// The Onyx and Presto chips: their port is five 32-bit registers (control, status, command, transmit, receive) whose
// addresses the register block given at BindPort lists in that order. Waits give up after 30 ticks. Main thread.
#pragma once

#include "rtas/framework/dsp/CProcessDSP.h"

class COnyxChipDSP : public CGenericDSP
{
public:
    COnyxChipDSP();

    void BindPort(HostWord registerList) override;
    int32_t HostCommand(int32_t vector) override;
    int32_t HostCommandOnEmptyPort(int32_t vector) override;
    int32_t SendWord(int32_t word) override;
    int32_t ReceiveWord() override;
    int32_t SendWords(const int32_t* words, int32_t count) override;
    int32_t ReceiveWords(int32_t* words, int32_t count) override;
    bool TrySend(int32_t word) override;
    bool TryReceive(int32_t* word) override;

    // Control flags by mask (8, 16, 32 are host flags 0 to 2); the test is true when every masked flag is set.
    void SetControlFlags(uint32_t mask);
    void ClearControlFlags(uint32_t mask);
    bool TestControlFlags(uint32_t mask);

    // Register addresses bound at BindPort, control first.
    enum Register { kControl, kStatus, kCommand, kTransmit, kReceive, kRegisterCount };
    HostWord RegisterAddress(int index) const;

protected:
    COnyxChipDSP(int32_t commandBase, int32_t addressOffset, int32_t firstArea, int32_t secondArea);
    uint32_t ReadRegister(Register which);
    void WriteRegister(Register which, uint32_t value);
    // 0 once the status bit is set; -7218 after 30 ticks, -7201 without a DSP.
    int32_t WaitForStatus(uint32_t bit);

private:
    volatile uint32_t* fPort[kRegisterCount] = {};
};

class CPrestoChipDSP : public COnyxChipDSP
{
public:
    CPrestoChipDSP();
};
