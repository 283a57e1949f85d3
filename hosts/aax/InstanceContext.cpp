#include "hosts/aax/InstanceContext.h"

#include <cstdio>

namespace aaxkit {
namespace {

std::string text(const char* value)
{
    return value != nullptr ? value : "(null)";
}

std::string number(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    return buffer;
}

// Controller.
acf::Result getSampleRate(void* self, float* rate)
{
    *rate = static_cast<Controller*>(self)->sampleRate;
    return 0;
}
acf::Result getInputStem(void* self, uint32_t* stem)
{
    *stem = static_cast<Controller*>(self)->inputStem;
    return 0;
}
acf::Result getOutputStem(void* self, uint32_t* stem)
{
    *stem = static_cast<Controller*>(self)->outputStem;
    return 0;
}
acf::Result setSignalLatency(void* self, int32_t samples)
{
    auto* c = static_cast<Controller*>(self);
    c->log->add("controller.setSignalLatency " + std::to_string(samples));
    c->latencies.push_back(samples);
    return 0;
}
acf::Result postPacket(void* self, int32_t port, const void* data, uint32_t size)
{
    auto* c = static_cast<Controller*>(self);
    c->log->add("controller.postPacket " + std::to_string(port) + " " + std::to_string(size));
    const auto* bytes = static_cast<const uint8_t*>(data);
    c->packets.push_back({port, std::vector<uint8_t>(bytes, bytes + size)});
    return 0;
}
// Answers the controller itself as the interface pointer.
acf::Result controllerOperation22(void* self, void** out)
{
    recordPassed(self, 22, {out});
    *out = self;
    return passedResult(22);
}
acf::ControllerTable makeControllerTable()
{
    acf::ControllerTable table{};
    table.unknown = unknownSlots();
    table.getSampleRate = &getSampleRate;
    table.getInputStem = &getInputStem;
    table.getOutputStem = &getOutputStem;
    table.setSignalLatency = &setSignalLatency;
    table.postPacket = &postPacket;
    table.operation3 = &passed1<3>;
    table.operation7 = &passed1<7>;
    table.operation8 = &passed1<8>;
    table.operation9 = &passed1<9>;
    table.operation11 = &passed1<11>;
    table.operation13 = &passed1<13>;
    table.operation14 = &passed1<14>;
    table.operation15 = &passed1<15>;
    table.operation16 = &passed1<16>;
    table.operation17 = &passed1<17>;
    table.operation18 = &passed1<18>;
    table.operation19 = &passed1<19>;
    table.operation20 = &passed1<20>;
    table.operation21 = &passed1<21>;
    table.operation22 = &controllerOperation22;
    table.operation23 = &passed1<23>;
    return table;
}
const acf::ControllerTable kControllerTable = makeControllerTable();

// Transport.
Transport& transportOf(void* self)
{
    return *static_cast<Transport*>(self);
}
acf::Result getTempo(void* self, double* bpm)
{
    *bpm = transportOf(self).tempo;
    return 0;
}
acf::Result getMeter(void* self, int32_t* numerator, int32_t* denominator)
{
    *numerator = transportOf(self).numerator;
    *denominator = transportOf(self).denominator;
    return 0;
}
acf::Result isPlaying(void* self, acf::Bool32* playing)
{
    *playing = transportOf(self).playing ? 1 : 0;
    return 0;
}
acf::Result getTickPosition(void* self, int64_t* ticks)
{
    *ticks = transportOf(self).ticks;
    return 0;
}
acf::Result getLoop(void* self, acf::Bool32* looping, int64_t* start, int64_t* end)
{
    *looping = transportOf(self).looping ? 1 : 0;
    *start = transportOf(self).loopStart;
    *end = transportOf(self).loopEnd;
    return 0;
}
acf::Result getSamplePosition(void* self, int64_t* sample)
{
    *sample = transportOf(self).samplePosition;
    return 0;
}
acf::Result getSelectionStart(void* self, int64_t* sample)
{
    *sample = transportOf(self).selectionStart;
    return 0;
}
acf::Result getFrameRate(void* self, int32_t* code, int64_t* offset)
{
    *code = transportOf(self).frameRateCode;
    *offset = transportOf(self).frameOffset;
    return 0;
}
acf::TransportTable makeTransportTable()
{
    acf::TransportTable table{};
    table.unknown = unknownSlots();
    table.getTempo = &getTempo;
    table.getMeter = &getMeter;
    table.isPlaying = &isPlaying;
    table.getTickPosition = &getTickPosition;
    table.getLoop = &getLoop;
    table.getSamplePosition = &getSamplePosition;
    table.getSelectionStart = &getSelectionStart;
    table.getFrameRate = &getFrameRate;
    table.operation9 = &passed1<9>;
    table.operation10 = &passed5<10>;
    table.operation11 = &passed1<11>;
    table.operation12 = &passed1<12>;
    table.operation15 = &passed1<15>;
    table.operation16 = &passed1<16>;
    return table;
}
const acf::TransportTable kTransportTable = makeTransportTable();

// Automation delegate.
acf::Result automationEvent(void* self, const char* kind, AAX_CParamID id, AAX_CParamValue value)
{
    auto* a = static_cast<AutomationDelegate*>(self);
    a->log->add(std::string("automation.") + kind + " " + text(id) +
                (std::string(kind) == "post" || std::string(kind) == "current" ? " " + number(value) : ""));
    a->events.push_back({kind, text(id), value});
    if (std::string(kind) == "post" && a->onPost)
        a->onPost(text(id), value);
    return 0;
}
acf::Result registerParameter(void* self, AAX_CParamID id) { return automationEvent(self, "register", id, 0); }
acf::Result unregisterParameter(void* self, AAX_CParamID id) { return automationEvent(self, "unregister", id, 0); }
acf::Result touch(void* self, AAX_CParamID id) { return automationEvent(self, "touch", id, 0); }
acf::Result release(void* self, AAX_CParamID id) { return automationEvent(self, "release", id, 0); }
acf::Result post(void* self, AAX_CParamID id, AAX_CParamValue n) { return automationEvent(self, "post", id, n); }
acf::Result current(void* self, AAX_CParamID id, AAX_CParamValue n) { return automationEvent(self, "current", id, n); }
const acf::AutomationDelegateTable kAutomationTable = {unknownSlots(), &registerParameter, &unregisterParameter,
                                                       &touch,         &release,           &post,
                                                       &current,       &passed1<9>};

// View container.
int32_t getType(void* self)
{
    return static_cast<ViewContainer*>(self)->type;
}
void* getView(void* self)
{
    return static_cast<ViewContainer*>(self)->view;
}
acf::Result setViewSize(void* self, const acf::ViewSize* size)
{
    auto* v = static_cast<ViewContainer*>(self);
    v->log->add("view.setViewSize " + number(size->vertical) + " " + number(size->horizontal));
    v->sizes.push_back(*size);
    return 0;
}
const acf::ViewContainerTable kViewTable = {unknownSlots(), &getType,    &getView,    &passed1<5>, &setViewSize,
                                            &passed1<7>,    &passed1<8>, &passed1<9>};

const acf::UnknownTable kPlainTable = unknownSlots();

}  // namespace

InstanceContext::InstanceContext(ContextOptions options)
    : context_(&kPlainTable, &log_, "context"),
      controller_(&kControllerTable, &log_, "controller"),
      transport_(&kTransportTable, &log_, "transport"),
      automation_(&kAutomationTable, &log_, "automation"),
      viewContainer_(&kViewTable, &log_, "view")
{
    context_.answers.emplace_back(acf::kIidUnknown, &context_);
    if (options.controller)
        context_.answers.emplace_back(acf::kIidController, &controller_);
    if (options.controller2)
        context_.answers.emplace_back(acf::kIidController2, &controller_);
    if (options.transport)
        context_.answers.emplace_back(acf::kIidTransport, &transport_);
    if (options.transport2)
        context_.answers.emplace_back(acf::kIidTransport2, &transport_);
    if (options.automation)
        context_.answers.emplace_back(acf::kIidAutomationDelegate, &automation_);
    viewContainer_.answers.emplace_back(acf::kIidUnknown, &viewContainer_);
    viewContainer_.answers.emplace_back(acf::kIidViewContainer, &viewContainer_);
}

InstanceContext::~InstanceContext() = default;

void InstanceContext::answer(const acf::Uid& iid, void* object)
{
    context_.answers.emplace_back(iid, object);
}

int32_t InstanceContext::referencesHeld() const
{
    return context_.references + controller_.references + transport_.references + automation_.references +
           viewContainer_.references;
}

}  // namespace aaxkit
