#include "rtas/bridge/MidiEventQueue.h"

#include <cstring>

namespace {

WrapperMidiEventBlock* newBlock()
{
    auto* block = new WrapperMidiEventBlock{};
    for (auto& event : block->events)
        event = new WrapperMidiEvent{};
    return block;
}

void deleteBlock(WrapperMidiEventBlock* block)
{
    for (auto* event : block->events)
        delete event;
    delete block;
}

}  // namespace

MidiEventQueue::MidiEventQueue() : pending_(newBlock()), sending_(newBlock()) {}

MidiEventQueue::~MidiEventQueue()
{
    deleteBlock(pending_);
    deleteBlock(sending_);
}

bool MidiEventQueue::queue(uint8_t byte0, uint8_t byte1, uint8_t byte2, uint8_t byte3, int32_t deltaFrames)
{
    busy_.acquire();
    const bool fits = pending_->numEvents < kMidiEventBlockCapacity;
    if (fits) {
        WrapperMidiEvent* event = pending_->events[pending_->numEvents];
        std::memset(event, 0, sizeof *event);
        event->type = 1;
        event->byteSize = int32_t(sizeof *event);
        event->deltaFrames = deltaFrames;
        event->midiData[0] = byte0;
        event->midiData[1] = byte1;
        event->midiData[2] = byte2;
        event->midiData[3] = byte3;
        ++pending_->numEvents;
    }
    busy_.clear();
    return fits;
}

WrapperMidiEventBlock* MidiEventQueue::takePending()
{
    busy_.acquire();
    WrapperMidiEventBlock* filled = pending_;
    pending_ = sending_;
    sending_ = filled;
    busy_.clear();
    return sending_->numEvents > 0 ? sending_ : nullptr;
}

void MidiEventQueue::finishSending()
{
    sending_->numEvents = 0;
}
