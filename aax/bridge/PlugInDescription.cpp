// What the plug-in tells an AAX host when it is registered: one effect in three real-time channel configurations
// (with their AudioSuite forms), its page-table file, its factories and its render callback.
#include <cstdint>

#include "aax/bridge/JuceAAX_GUI.h"
#include "aax/bridge/JuceAAX_Processor.h"
#include "aax/bridge/JuceGuiSupport.h"
#include "aax/bridge/RenderCallback.h"
#include "aax/bridge/StemFormats.h"
#include "aax/library/ACFExports.h"

namespace {

const char kProductName[] = "Qor Kalvenor";
const char kManufacturerName[] = "QorVelmont";
// Reverse-domain identifier of the maker and product, passed with its enclosing quotes.
const char kBundleIdentifier[] = "\"com.qorvelmont.aax.QorKalvenor\"";
const char kPageTableFile[] = "Qor Kalvenor.dpm.xml";
constexpr uint32_t kPackageVersion = 0x10000;
constexpr uint32_t kCategoryDynamics = 2;
constexpr uint32_t kResourcePageTable = 1;
constexpr int kMaxConfigurationChannels = 8;

// Property numbers of a component's description.
constexpr uint32_t kPropertyManufacturerID = 11;
constexpr uint32_t kPropertyProductID = 12;
constexpr uint32_t kPropertyNativeID = 13;
constexpr uint32_t kPropertyAudioSuiteID = 14;
constexpr uint32_t kPropertyInputStem = 51;
constexpr uint32_t kPropertyOutputStem = 52;
constexpr uint32_t kProperty60 = 60;
constexpr uint32_t kProperty304 = 304;

// Fields of the render context (see acf::RenderContext).
constexpr AAX_CFieldIndex kFieldInputs = 0;
constexpr AAX_CFieldIndex kFieldOutputs = 1;
constexpr AAX_CFieldIndex kFieldBufferLength = 2;
constexpr AAX_CFieldIndex kFieldBypass = 3;
constexpr AAX_CFieldIndex kFieldPrivateData = 4;
constexpr uint32_t kBypassPacketBytes = 4;
constexpr int32_t kBypassBuffering = 1;
constexpr int32_t kPrivateDataBytes = 8;

struct Configuration
{
    int inputs;
    int outputs;
    AAX_CTypeID native;
    AAX_CTypeID audioSuite;
    // The configuration's own callback, which knows how many rows its contexts hold.
    acf::RenderCallback render;
};

const Configuration kConfigurations[] = {
    {1, 1, AAX_FourCC('K', 'v', 'm', 'm'), AAX_FourCC('K', 'v', 'a', 'm'), &AAXClasses::RenderCallback<1, 1>},
    {1, 2, AAX_FourCC('K', 'v', 'm', 's'), AAX_FourCC('K', 'v', 'a', 'm'), &AAXClasses::RenderCallback<1, 2>},
    {2, 2, AAX_FourCC('K', 'v', 's', 's'), AAX_FourCC('K', 'v', 'a', 's'), &AAXClasses::RenderCallback<2, 2>},
};

void DescribeConfiguration(AAX_IComponentDescriptor& component, const Configuration& configuration)
{
    component.AddAudioIn(kFieldInputs);
    component.AddAudioOut(kFieldOutputs);
    component.AddAudioBufferLength(kFieldBufferLength);
    component.AddDataInPort(kFieldBypass, kBypassPacketBytes, kBypassBuffering);
    component.AddPrivateData(kFieldPrivateData, kPrivateDataBytes, 0);
    AAX_IPropertyMap* properties = component.NewPropertyMap();
    properties->AddProperty(kPropertyManufacturerID, static_cast<int32_t>(AAX_FourCC('Q', 'o', 'r', 'a')));
    properties->AddProperty(kPropertyProductID, static_cast<int32_t>(AAX_FourCC('Q', 'K', 'v', 'p')));
    properties->AddProperty(kProperty60, 1);
    properties->AddProperty(kPropertyInputStem, static_cast<int32_t>(stemOfChannelCount(configuration.inputs)));
    properties->AddProperty(kPropertyOutputStem, static_cast<int32_t>(stemOfChannelCount(configuration.outputs)));
    properties->AddProperty(kPropertyNativeID, static_cast<int32_t>(configuration.native));
    properties->AddProperty(kPropertyAudioSuiteID, static_cast<int32_t>(configuration.audioSuite));
    properties->AddProperty(kProperty304, 1);
    component.AddProcessProc(configuration.render, properties);
}

void DescribeEffect(AAX_IEffectDescriptor& effect)
{
    effect.AddName(kProductName);
    effect.AddName(kProductName);
    effect.AddCategory(kCategoryDynamics);
    effect.AddResourceInfo(kResourcePageTable, kPageTableFile);
    effect.AddProcPtr(&AAXClasses::JuceAAX_GUI::Create, acf::kProcEffectGui);
    effect.AddProcPtr(&AAXClasses::JuceAAX_Processor::Create, acf::kProcEffectParameters);
    for (const Configuration& configuration : kConfigurations)
    {
        AAX_IComponentDescriptor* component = effect.NewComponentDescriptor();
        if (component == nullptr)
            continue;
        if (configuration.inputs <= kMaxConfigurationChannels && configuration.outputs <= kMaxConfigurationChannels)
        {
            DescribeConfiguration(*component, configuration);
            effect.AddComponent(component);
        }
    }
}

}  // namespace

AAX_Result DescribeEffects(AAX_ICollection* collection)
{
    ScopedJuceGuiSupport guiSupport;
    AAX_IEffectDescriptor* effect = collection != nullptr ? collection->NewEffectDescriptor() : nullptr;
    if (effect == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    DescribeEffect(*effect);
    collection->AddEffect(kBundleIdentifier, effect);
    collection->SetManufacturerName(kManufacturerName);
    collection->AddPackageName(kProductName);
    collection->AddPackageName(kProductName);
    collection->SetPackageVersion(kPackageVersion);
    return AAX_SUCCESS;
}
