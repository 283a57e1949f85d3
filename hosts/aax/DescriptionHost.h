// The host side of registration: the host unknown handed to ACFStartup and ACFRegisterPlugin, its component factory,
// and the collection, effect descriptors, component descriptors, property maps and host services the factory makes.
// Each records what the plug-in tells it. Options take interfaces away, to see how the plug-in copes.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "hosts/aax/HostObject.h"

namespace aaxkit {

struct DescriptionOptions
{
    bool factory = true;            // the host unknown answers the component-factory query
    bool factoryWithoutPointer = false;  // ... with success but no factory
    bool secondInterfaces = true;   // descriptors and property maps answer their second identifiers
    bool pluginDefinition = true;   // the collection answers the plug-in definition query
};

struct PropertyMap : HostObject
{
    using HostObject::HostObject;
    std::vector<std::pair<uint32_t, int32_t>> properties;  // in the order added
    bool get(uint32_t number, int32_t* value) const;
};

struct ComponentDescriptor : HostObject
{
    using HostObject::HostObject;
    struct Field
    {
        std::string kind;  // "audio-in", "audio-out", "buffer-length", "data-in", "private-data"
        int32_t index;
        int32_t size;      // data-in: packet size; private-data: size
        int32_t option;    // data-in: buffering kind; private-data: options
    };
    struct Process
    {
        acf::RenderCallback callback;
        PropertyMap* properties;
    };
    std::vector<Field> fields;
    std::vector<Process> processes;
};

struct EffectDescriptor : HostObject
{
    using HostObject::HostObject;
    struct Proc
    {
        acf::FactoryFunction factory;
        uint32_t kind;
    };
    std::vector<std::string> names;
    std::vector<uint32_t> categories;
    std::vector<Proc> procs;
    std::vector<std::pair<uint32_t, std::string>> resources;
    std::vector<ComponentDescriptor*> components;

    acf::FactoryFunction factory(uint32_t kind) const;
};

struct Collection : HostObject
{
    using HostObject::HostObject;
    struct Effect
    {
        std::string bundleIdentifier;
        EffectDescriptor* descriptor;
    };
    std::vector<Effect> effects;
    std::string manufacturer;
    std::vector<std::string> packageNames;
    uint32_t packageVersion = 0;
};

struct HostServices : HostObject
{
    using HostObject::HostObject;
    // A host takes log lines from any thread.
    std::mutex logMutex;
    std::vector<std::pair<int32_t, std::string>> logLines;
};

class DescriptionHost
{
public:
    explicit DescriptionHost(DescriptionOptions options = {});
    ~DescriptionHost();
    DescriptionHost(const DescriptionHost&) = delete;
    DescriptionHost& operator=(const DescriptionHost&) = delete;

    // The host unknown the exports are given.
    void* unknown() { return root_.get(); }
    CallLog& log() { return log_; }

    // What the factory made, in order.
    const std::vector<Collection*>& collections() const { return collections_; }
    const std::vector<HostServices*>& hostServices() const { return hostServices_; }
    const std::vector<PropertyMap*>& propertyMaps() const { return propertyMaps_; }
    // The plug-in definition object the collection hands out.
    HostObject& pluginDefinition() { return *definition_; }

    // Sum of the references the plug-in still holds on every object of this host (0 when it gave all back).
    int32_t referencesHeld() const;

    // Used by the factory.
    void* create(const acf::Uid& classId, const acf::Uid& iid);

private:
    template <typename T>
    T* make(const void* table, const char* name, const acf::Uid& iid, const acf::Uid* iid2);

    // Host objects have no virtual destructor (their first word is their table): each is deleted as its own type.
    using OwnedObject = std::unique_ptr<HostObject, void (*)(HostObject*)>;

    DescriptionOptions options_;
    CallLog log_;
    std::unique_ptr<HostObject> root_;
    OwnedObject factory_{nullptr, nullptr};
    std::unique_ptr<HostObject> definition_;
    std::vector<OwnedObject> objects_;
    std::vector<Collection*> collections_;
    std::vector<HostServices*> hostServices_;
    std::vector<PropertyMap*> propertyMaps_;
};

}  // namespace aaxkit
