// MIDI events queued by the GUI thread for the next process block: two preallocated blocks of 1024 events, one
// filling while the other is sent, swapped at the start of each block, so the audio path neither allocates nor
// copies.
#pragma once

#include "rtas/bridge/BusyFlag.h"

#include <cstdint>

// The VST 2 MIDI event as the effect reads it: 32 bytes.
struct WrapperMidiEvent
{
    int32_t type;         // 1: MIDI
    int32_t byteSize;     // 32
    int32_t deltaFrames;  // offset into the block
    int32_t flags;
    int32_t noteLength;
    int32_t noteOffset;
    uint8_t midiData[4];
    int8_t detune;
    uint8_t noteOffVelocity;
    uint8_t reserved1;
    uint8_t reserved2;
};
static_assert(sizeof(WrapperMidiEvent) == 32, "a MIDI event is 32 bytes");

constexpr int kMidiEventBlockCapacity = 1024;

// The events record handed to the effect with opcode 25: count, a reserved word, then the event pointers.
struct WrapperMidiEventBlock
{
    int32_t numEvents;
    intptr_t reserved;
    WrapperMidiEvent* events[kMidiEventBlockCapacity];
};

class MidiEventQueue
{
public:
    MidiEventQueue();
    ~MidiEventQueue();
    MidiEventQueue(const MidiEventQueue&) = delete;
    MidiEventQueue& operator=(const MidiEventQueue&) = delete;

    // GUI thread. Appends an event to the pending block; a full block drops it (answers false).
    bool queue(uint8_t byte0, uint8_t byte1, uint8_t byte2, uint8_t byte3, int32_t deltaFrames);
    // Audio thread, at the start of a block: the pending events become the block to send (null when none).
    WrapperMidiEventBlock* takePending();
    // Audio thread, at the end of a block: the sent block is emptied for reuse.
    void finishSending();

private:
    WrapperMidiEventBlock* pending_;
    WrapperMidiEventBlock* sending_;
    BusyFlag busy_;
};
