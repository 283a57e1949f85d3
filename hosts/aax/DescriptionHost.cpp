#include "hosts/aax/DescriptionHost.h"

namespace aaxkit {
namespace {

std::string text(const char* value)
{
    return value != nullptr ? value : "(null)";
}

// Factory.
acf::Result createInstance(void* self, const acf::Uid* classId, void* outer, const acf::Uid* iid, void** out);
const acf::ComponentFactoryTable kFactoryTable = {unknownSlots(), &createInstance};

DescriptionHost* ownerOf(void* factory);

// Collection.
acf::Result addEffect(void* self, const char* bundle, void* descriptor)
{
    auto* c = static_cast<Collection*>(self);
    c->log->add("collection.addEffect " + text(bundle));
    c->effects.push_back({text(bundle), static_cast<EffectDescriptor*>(descriptor)});
    return 0;
}
acf::Result setManufacturerName(void* self, const char* name)
{
    auto* c = static_cast<Collection*>(self);
    c->log->add("collection.setManufacturerName " + text(name));
    c->manufacturer = text(name);
    return 0;
}
acf::Result addPackageName(void* self, const char* name)
{
    auto* c = static_cast<Collection*>(self);
    c->log->add("collection.addPackageName " + text(name));
    c->packageNames.push_back(text(name));
    return 0;
}
acf::Result setPackageVersion(void* self, uint32_t version)
{
    auto* c = static_cast<Collection*>(self);
    c->log->add("collection.setPackageVersion " + std::to_string(version));
    c->packageVersion = version;
    return 0;
}
const acf::CollectionTable kCollectionTable = {unknownSlots(), nullptr, nullptr, nullptr, nullptr, &addEffect,
                                               &setManufacturerName, &addPackageName, &setPackageVersion,
                                               &passed1<11>};

// Effect descriptor.
acf::Result addComponent(void* self, void* component)
{
    auto* d = static_cast<EffectDescriptor*>(self);
    d->log->add("effect.addComponent");
    d->components.push_back(static_cast<ComponentDescriptor*>(component));
    return 0;
}
acf::Result addName(void* self, const char* name)
{
    auto* d = static_cast<EffectDescriptor*>(self);
    d->log->add("effect.addName " + text(name));
    d->names.push_back(text(name));
    return 0;
}
acf::Result addCategory(void* self, uint32_t bits)
{
    auto* d = static_cast<EffectDescriptor*>(self);
    d->log->add("effect.addCategory " + std::to_string(bits));
    d->categories.push_back(bits);
    return 0;
}
acf::Result addProcPtr(void* self, void* factory, uint32_t kind)
{
    auto* d = static_cast<EffectDescriptor*>(self);
    d->log->add("effect.addProcPtr " + std::to_string(kind));
    d->procs.push_back({reinterpret_cast<acf::FactoryFunction>(factory), kind});
    return 0;
}
acf::Result addResourceInfo(void* self, uint32_t kind, const char* file)
{
    auto* d = static_cast<EffectDescriptor*>(self);
    d->log->add("effect.addResourceInfo " + std::to_string(kind) + " " + text(file));
    d->resources.emplace_back(kind, text(file));
    return 0;
}
const acf::EffectDescriptorTable kEffectTable = {unknownSlots(),    &addComponent,    &addName,
                                                 &addCategory,      &passed1<6>,      &addProcPtr,
                                                 &passed1<8>,       &addResourceInfo, &passed3<10>,
                                                 &passed4<11>};

// Component descriptor.
acf::Result addField(void* self, const char* kind, int32_t index, int32_t size, int32_t option)
{
    auto* c = static_cast<ComponentDescriptor*>(self);
    c->log->add(std::string("component.") + kind + " " + std::to_string(index));
    c->fields.push_back({kind, index, size, option});
    return 0;
}
acf::Result addAudioIn(void* self, int32_t field) { return addField(self, "audio-in", field, 0, 0); }
acf::Result addAudioOut(void* self, int32_t field) { return addField(self, "audio-out", field, 0, 0); }
acf::Result addBufferLength(void* self, int32_t field) { return addField(self, "buffer-length", field, 0, 0); }
acf::Result addDataInPort(void* self, int32_t field, uint32_t size, int32_t kind)
{
    return addField(self, "data-in", field, static_cast<int32_t>(size), kind);
}
acf::Result addPrivateData(void* self, int32_t field, int32_t size, int32_t options)
{
    return addField(self, "private-data", field, size, options);
}
acf::Result addProcessProc(void* self, void* callback, void* map)
{
    auto* c = static_cast<ComponentDescriptor*>(self);
    c->log->add("component.addProcessProc");
    c->processes.push_back({reinterpret_cast<acf::RenderCallback>(callback), static_cast<PropertyMap*>(map)});
    return 0;
}
acf::ComponentDescriptorTable makeComponentTable()
{
    acf::ComponentDescriptorTable table{};
    table.unknown = unknownSlots();
    table.addAudioIn = &addAudioIn;
    table.addAudioOut = &addAudioOut;
    table.addAudioBufferLength = &addBufferLength;
    table.addDataInPort = &addDataInPort;
    table.addPrivateData = &addPrivateData;
    table.addProcessProc = &addProcessProc;
    table.operation3 = &passed1<3>;
    table.operation4 = &passed1<4>;
    table.operation8 = &passed1<8>;
    table.operation9 = &passed1<9>;
    table.operation10 = &passed1<10>;
    table.operation12 = &passed1<12>;
    table.operation14 = &passed1<14>;
    table.operation15 = &passed4<15>;
    table.operation17 = &passed6<17>;
    table.operation18 = &passed1<18>;
    table.operation19 = &passed1<19>;
    return table;
}
const acf::ComponentDescriptorTable kComponentTable = makeComponentTable();

// Property map.
acf::Bool32 getProperty(void* self, uint32_t number, int32_t* value)
{
    return static_cast<PropertyMap*>(self)->get(number, value) ? 1 : 0;
}
acf::Result addProperty(void* self, uint32_t number, int32_t value)
{
    auto* m = static_cast<PropertyMap*>(self);
    m->log->add("properties.add " + std::to_string(number) + " " + std::to_string(value));
    for (auto& property : m->properties)
    {
        if (property.first == number)
        {
            property.second = value;
            return 0;
        }
    }
    m->properties.emplace_back(number, value);
    return 0;
}
acf::Bool32 propertyOperation7(void* self, void* a)
{
    recordPassed(self, 7, {a});
    return 1;
}
const acf::PropertyMapTable kPropertyMapTable = {unknownSlots(), &getProperty, &addProperty,
                                                 &passed1<5>,    &passed1<6>,  &propertyOperation7};

// Host services.
acf::Result logLine(void* self, int32_t level, const char* line)
{
    auto* s = static_cast<HostServices*>(self);
    s->log->add("services.log " + std::to_string(level) + " " + text(line));
    std::lock_guard<std::mutex> lock(s->logMutex);
    s->logLines.emplace_back(level, text(line));
    return 0;
}
const acf::HostServicesTable kServicesTable = {unknownSlots(), &passed1<3>, &logLine};

const acf::UnknownTable kPlainTable = unknownSlots();

struct Factory : HostObject
{
    Factory(DescriptionHost* host, CallLog* log) : HostObject(&kFactoryTable, log, "factory"), host(host) {}
    DescriptionHost* host;
};

DescriptionHost* ownerOf(void* factory)
{
    return static_cast<Factory*>(factory)->host;
}

acf::Result createInstance(void* self, const acf::Uid* classId, void* outer, const acf::Uid* iid, void** out)
{
    *out = ownerOf(self)->create(*classId, *iid);
    return *out != nullptr ? 0 : acf::kNoInterface;
}

}  // namespace

bool PropertyMap::get(uint32_t number, int32_t* value) const
{
    for (const auto& property : properties)
    {
        if (property.first == number)
        {
            *value = property.second;
            return true;
        }
    }
    return false;
}

acf::FactoryFunction EffectDescriptor::factory(uint32_t kind) const
{
    for (const Proc& proc : procs)
        if (proc.kind == kind)
            return proc.factory;
    return nullptr;
}

DescriptionHost::DescriptionHost(DescriptionOptions options) : options_(options)
{
    root_ = std::make_unique<HostObject>(&kPlainTable, &log_, "host");
    factory_ = OwnedObject(new Factory(this, &log_), [](HostObject* object) { delete static_cast<Factory*>(object); });
    definition_ = std::make_unique<HostObject>(&kPlainTable, &log_, "definition");
    definition_->answers.emplace_back(acf::kIidPluginDefinition, definition_.get());
    root_->answers.emplace_back(acf::kIidUnknown, root_.get());
    factory_->answers.emplace_back(acf::kIidComponentFactory, factory_.get());
    if (options_.factory)
        root_->answers.emplace_back(acf::kIidComponentFactory,
                                    options_.factoryWithoutPointer ? nullptr : factory_.get());
}

DescriptionHost::~DescriptionHost() = default;

template <typename T>
T* DescriptionHost::make(const void* table, const char* name, const acf::Uid& iid, const acf::Uid* iid2)
{
    T* raw = new T(table, &log_, name);
    objects_.push_back(OwnedObject(raw, [](HostObject* object) { delete static_cast<T*>(object); }));
    raw->answers.emplace_back(acf::kIidUnknown, raw);
    raw->answers.emplace_back(iid, raw);
    if (iid2 != nullptr && options_.secondInterfaces)
        raw->answers.emplace_back(*iid2, raw);
    raw->references = 1;
    return raw;
}

void* DescriptionHost::create(const acf::Uid& classId, const acf::Uid& iid)
{
    log_.add("factory.create " + uidText(classId));
    if (classId == acf::kClsCollection && iid == acf::kIidCollection)
    {
        auto* collection = make<Collection>(&kCollectionTable, "collection", iid, nullptr);
        if (options_.pluginDefinition)
            collection->answers.emplace_back(acf::kIidPluginDefinition, definition_.get());
        collections_.push_back(collection);
        return collection;
    }
    if (classId == acf::kClsHostServices && iid == acf::kIidHostServices)
    {
        auto* services = make<HostServices>(&kServicesTable, "services", iid, nullptr);
        hostServices_.push_back(services);
        return services;
    }
    if (classId == acf::kClsEffectDescriptor && iid == acf::kIidEffectDescriptor)
        return make<EffectDescriptor>(&kEffectTable, "effect", iid, &acf::kIidEffectDescriptor2);
    if (classId == acf::kClsComponentDescriptor && iid == acf::kIidComponentDescriptor)
        return make<ComponentDescriptor>(&kComponentTable, "component", iid, &acf::kIidComponentDescriptor2);
    if (classId == acf::kClsPropertyMap && iid == acf::kIidPropertyMap)
    {
        auto* map = make<PropertyMap>(&kPropertyMapTable, "properties", iid, &acf::kIidPropertyMap2);
        propertyMaps_.push_back(map);
        return map;
    }
    return nullptr;
}

int32_t DescriptionHost::referencesHeld() const
{
    // Objects made by the factory start with the one reference handed out; the fixed objects with none.
    int32_t held = root_->references + factory_->references + definition_->references;
    for (const auto& object : objects_)
        held += object->references;
    return held;
}

}  // namespace aaxkit
