// One instance of the registered effect as a host runs it: the effect-parameters object made by its factory and
// initialised on a host context of the chosen channel configuration, and the render callback of that
// configuration fed through a render context. Host values are echoed back as a host does: a value the plug-in
// posts is applied at once through ApplyHostParameterValue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aax/library/AAX_IEffectParameters.h"
#include "hosts/aax/InstanceContext.h"
#include "hosts/aax/PluginSession.h"

namespace aaxkit {

class Instance
{
public:
    // configuration: index into the effect's components (0 mono, 1 mono in stereo out, 2 stereo).
    Instance(PluginSession& session, int configuration, ContextOptions options = {});
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    bool ok() const { return parameters_ != nullptr; }
    const std::string& error() const { return error_; }
    AAX_IACFEffectParameters_V2& parameters() { return *parameters_; }
    InstanceContext& context() { return context_; }
    int inputs() const { return inputs_; }
    int outputs() const { return outputs_; }

    // Renders one block: inputs_ channels in, outputs_ channels out (each of the same length). The bypass word is
    // what the plug-in last posted on its bypass port.
    void render(const std::vector<std::vector<float>>& in, std::vector<std::vector<float>>& out);

    // What a host puts in a render context of its own: the configuration's render callback, and the instance's
    // private-data word (which the plug-in filled at creation).
    acf::RenderCallback renderCallback() const { return render_; }
    void** privateData() { return &privateData_; }

    // Saves a chunk by identifier into bytes (the data part); the plug-in's result.
    AAX_Result saveChunk(AAX_CTypeID identifier, std::vector<uint8_t>& bytes);
    AAX_Result loadChunk(AAX_CTypeID identifier, const std::vector<uint8_t>& bytes);

    // Every parameter as the host's table shows it: identifier, title, steps, default, value text.
    struct ParameterLine
    {
        std::string id, title;
        int32_t steps;
        double defaultValue;
        std::string text;
    };
    std::vector<ParameterLine> describeParameters();

private:
    InstanceContext context_;
    AAX_IACFEffectParameters_V2* parameters_ = nullptr;
    acf::RenderCallback render_ = nullptr;
    int inputs_ = 0, outputs_ = 0;
    void* privateData_ = nullptr;
    int32_t bypass_ = 0;
    size_t packetsSeen_ = 0;
    std::string error_;
};

}  // namespace aaxkit
