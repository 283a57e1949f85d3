#include "hosts/aax/Instance.h"

#include <cstring>

#include "aax/library/AAX_HostChunk.h"
#include "aax/library/AAX_IString.h"
#include "hosts/aax/HostString.h"

namespace aaxkit {
namespace {

constexpr uint32_t kPropertyInputStem = 51;
constexpr uint32_t kPropertyOutputStem = 52;
constexpr AAX_CFieldIndex kPrivateDataField = 4;
constexpr int32_t kBypassPort = 3;

int channelsOf(int32_t stem)
{
    return stem == 0x00000001 ? 1 : stem == 0x00010002 ? 2 : 0;
}

AAX_IString* asString(HostString& text)
{
    return &text;
}

}  // namespace

Instance::Instance(PluginSession& session, int configuration, ContextOptions options) : context_(options)
{
    const EffectDescriptor* effect = session.effect();
    if (effect == nullptr || configuration < 0 || configuration >= static_cast<int>(effect->components.size()))
    {
        error_ = "no such configuration";
        return;
    }
    const ComponentDescriptor& component = *effect->components[static_cast<size_t>(configuration)];
    if (component.processes.empty() || component.processes[0].properties == nullptr)
    {
        error_ = "configuration without render callback";
        return;
    }
    int32_t inputStem = 0, outputStem = 0;
    component.processes[0].properties->get(kPropertyInputStem, &inputStem);
    component.processes[0].properties->get(kPropertyOutputStem, &outputStem);
    inputs_ = channelsOf(inputStem);
    outputs_ = channelsOf(outputStem);
    context_.controller().inputStem = static_cast<uint32_t>(inputStem);
    context_.controller().outputStem = static_cast<uint32_t>(outputStem);
    render_ = component.processes[0].callback;

    acf::FactoryFunction factory = effect->factory(acf::kProcEffectParameters);
    void* unknown = factory != nullptr ? factory() : nullptr;
    void* iface = nullptr;
    if (unknown == nullptr ||
        acf::tableOf<acf::UnknownTable>(unknown).query(unknown, &acf::kIidEffectParametersV2, &iface) != 0)
    {
        error_ = "no effect-parameters object";
        return;
    }
    parameters_ = static_cast<AAX_IACFEffectParameters_V2*>(iface);
    context_.automation().onPost = [this](const std::string& id, AAX_CParamValue value) {
        parameters_->ApplyHostParameterValue(id.c_str(), value);
    };
    const AAX_Result initialised = parameters_->Initialise(static_cast<IACFUnknown*>(context_.context()));
    if (initialised != AAX_SUCCESS)
        error_ = "Initialise answered " + std::to_string(initialised);
    parameters_->ResetPrivateData(kPrivateDataField, &privateData_, sizeof privateData_);
}

Instance::~Instance()
{
    if (parameters_ == nullptr)
        return;
    context_.automation().onPost = nullptr;
    parameters_->Shutdown();
    parameters_->Release();
}

void Instance::render(const std::vector<std::vector<float>>& in, std::vector<std::vector<float>>& out)
{
    parameters_->SendDirtyPackets();
    const auto& packets = context_.controller().packets;
    for (; packetsSeen_ < packets.size(); ++packetsSeen_)
        if (packets[packetsSeen_].port == kBypassPort && packets[packetsSeen_].bytes.size() >= 4)
            std::memcpy(&bypass_, packets[packetsSeen_].bytes.data(), 4);

    std::vector<float*> inputs, outputs;
    for (const auto& channel : in)
        inputs.push_back(const_cast<float*>(channel.data()));
    for (auto& channel : out)
        outputs.push_back(channel.data());
    int32_t length = in.empty() ? 0 : static_cast<int32_t>(in[0].size());
    acf::RenderContext renderContext{inputs.data(), outputs.data(), &length, &bypass_, &privateData_};
    acf::RenderContext* contexts[1] = {&renderContext};
    render_(contexts, contexts + 1);
}

AAX_Result Instance::saveChunk(AAX_CTypeID identifier, std::vector<uint8_t>& bytes)
{
    int32_t size = 0;
    AAX_Result result = parameters_->ChunkByteCount(identifier, &size);
    if (result != AAX_SUCCESS || size < 0)
        return result;
    std::vector<uint8_t> record(AAX_HostChunk::kHeaderBytes + static_cast<size_t>(size));
    auto* chunk = reinterpret_cast<AAX_HostChunk*>(record.data());
    chunk->size = size;
    chunk->identifier = identifier;
    result = parameters_->WriteChunk(identifier, chunk);
    if (result == AAX_SUCCESS)
        bytes.assign(chunk->Data(), chunk->Data() + chunk->size);
    return result;
}

AAX_Result Instance::loadChunk(AAX_CTypeID identifier, const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> record(AAX_HostChunk::kHeaderBytes + bytes.size());
    auto* chunk = reinterpret_cast<AAX_HostChunk*>(record.data());
    chunk->size = static_cast<int32_t>(bytes.size());
    chunk->identifier = identifier;
    if (!bytes.empty())
        std::memcpy(chunk->Data(), bytes.data(), bytes.size());
    return parameters_->ReadChunk(identifier, chunk);
}

std::vector<Instance::ParameterLine> Instance::describeParameters()
{
    std::vector<ParameterLine> lines;
    int32_t count = 0;
    parameters_->GetParameterCount(&count);
    for (int32_t i = 0; i < count; ++i)
    {
        HostString id, title, text;
        parameters_->GetParameterIDAt(i, asString(id));
        parameters_->GetParameterTitle(id.text.c_str(), asString(title));
        ParameterLine line{id.text, title.text, 0, 0.0, ""};
        parameters_->GetParameterStepCount(id.text.c_str(), &line.steps);
        parameters_->GetParameterDefault(id.text.c_str(), &line.defaultValue);
        parameters_->GetParameterValueText(id.text.c_str(), asString(text), 32);
        line.text = text.text;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace aaxkit
