#include "hosts/aax/HostObject.h"

#include <cstdio>

namespace aaxkit {

void CallLog::add(std::string call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

std::vector<std::string> CallLog::calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

size_t CallLog::count(const std::string& prefix) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    size_t n = 0;
    for (const std::string& call : calls_)
        n += call.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return n;
}

void CallLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

namespace {

acf::Result query(void* self, const acf::Uid* iid, void** out)
{
    auto* object = static_cast<HostObject*>(self);
    *out = nullptr;
    for (const auto& answer : object->answers)
    {
        if (answer.first == *iid)
        {
            // The answer may be another object (even the plug-in's): its own table takes the reference.
            *out = answer.second;
            if (answer.second != nullptr)
                acf::tableOf<acf::UnknownTable>(answer.second).addReference(answer.second);
            return 0;
        }
    }
    object->log->add(object->name + ".query " + uidText(*iid) + " refused");
    return acf::kNoInterface;
}

uint32_t addReference(void* self)
{
    return static_cast<uint32_t>(static_cast<HostObject*>(self)->references.fetch_add(1) + 1);
}

uint32_t release(void* self)
{
    auto* object = static_cast<HostObject*>(self);
    const int32_t count = object->references.fetch_sub(1) - 1;
    if (count < 0)
        object->log->add(object->name + ".release below 0");
    return static_cast<uint32_t>(count);
}

}  // namespace

acf::UnknownTable unknownSlots()
{
    return {&query, &addReference, &release};
}

acf::Result recordPassed(void* self, int operation, std::vector<void*> words)
{
    auto* object = static_cast<HostObject*>(self);
    object->log->add(object->name + ".operation" + std::to_string(operation));
    object->passed.push_back({operation, std::move(words)});
    return passedResult(operation);
}

std::string uidText(const acf::Uid& uid)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", uid.data1, uid.data2,
                  uid.data3, uid.data4[0], uid.data4[1], uid.data4[2], uid.data4[3], uid.data4[4], uid.data4[5],
                  uid.data4[6], uid.data4[7]);
    return text;
}

}  // namespace aaxkit
