// The host side of one plug-in instance: the host context handed to the instance's Initialise, answering for the
// controller, the transport and the automation delegate (each can be withheld), and a view container for its window.
// Everything the plug-in calls is recorded; values the plug-in asks for come from the public fields.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "aax/library/AAX_Types.h"
#include "hosts/aax/HostObject.h"

namespace aaxkit {

struct ContextOptions
{
    bool controller = true;
    bool controller2 = true;
    bool transport = true;
    bool transport2 = true;
    bool automation = true;
};

struct Controller : HostObject
{
    using HostObject::HostObject;
    float sampleRate = 44100.0f;
    uint32_t inputStem = 0x00010002;
    uint32_t outputStem = 0x00010002;
    std::vector<int32_t> latencies;
    struct Packet
    {
        int32_t port;
        std::vector<uint8_t> bytes;
    };
    std::vector<Packet> packets;
};

struct Transport : HostObject
{
    using HostObject::HostObject;
    double tempo = 120.0;
    int32_t numerator = 4, denominator = 4;
    bool playing = false;
    int64_t ticks = 0, samplePosition = 0, selectionStart = 0;
    bool looping = false;
    int64_t loopStart = 0, loopEnd = 0;
    int32_t frameRateCode = 0;
    int64_t frameOffset = 0;
};

struct AutomationDelegate : HostObject
{
    using HostObject::HostObject;
    struct Event
    {
        std::string kind;  // "register", "unregister", "touch", "release", "post", "current"
        std::string id;
        AAX_CParamValue value;
    };
    std::vector<Event> events;
    // Called for every posted set request, after it is recorded (a host applies it and echoes it back).
    std::function<void(const std::string& id, AAX_CParamValue value)> onPost;
};

struct ViewContainer : HostObject
{
    using HostObject::HostObject;
    int32_t type = acf::kViewNativeWindow;
    void* view = nullptr;
    std::vector<acf::ViewSize> sizes;
};

class InstanceContext
{
public:
    explicit InstanceContext(ContextOptions options = {});
    ~InstanceContext();
    InstanceContext(const InstanceContext&) = delete;
    InstanceContext& operator=(const InstanceContext&) = delete;

    // The host context an instance's Initialise gets.
    void* context() { return &context_; }
    // The view container handed to a GUI object when its window opens.
    void* viewContainer() { return &viewContainer_; }
    // Adds an interface that queries of the context answer (e.g. the instance's effect parameters, for its GUI).
    void answer(const acf::Uid& iid, void* object);

    CallLog& log() { return log_; }
    Controller& controller() { return controller_; }
    Transport& transport() { return transport_; }
    AutomationDelegate& automation() { return automation_; }
    ViewContainer& views() { return viewContainer_; }

    // References the plug-in still holds on this context's objects.
    int32_t referencesHeld() const;

private:
    CallLog log_;
    HostObject context_;
    Controller controller_;
    Transport transport_;
    AutomationDelegate automation_;
    ViewContainer viewContainer_;
};

}  // namespace aaxkit
