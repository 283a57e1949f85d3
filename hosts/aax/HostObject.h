// The common part of every object the stand-in host hands the plug-in: its table first (as the binary interface
// wants), a reference count the tests can read, and the identifiers a query answers. The kit owns its objects for
// its whole life; a release to 0 is recorded, never acted on, so a test can check that the plug-in gave back every
// reference it took.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "hosts/aax/AcfTables.h"

namespace aaxkit {

// Every call the plug-in makes into the kit, one text a call, in order.
class CallLog
{
public:
    void add(std::string call);
    std::vector<std::string> calls() const;
    // Number of calls that begin with prefix.
    size_t count(const std::string& prefix) const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

// A call of an operation the plug-in only passes through for others: the operation's number and its words.
struct PassedCall
{
    int operation;
    std::vector<void*> words;
};

struct HostObject
{
    const void* table;  // first: the plug-in reaches everything through it
    CallLog* log;
    std::string name;
    std::atomic<int32_t> references{0};
    // What a query answers: identifier -> interface (the object itself or a second interface of it).
    std::vector<std::pair<acf::Uid, void*>> answers;
    // The pass-through operations the plug-in called on this object (or its second interface), in order.
    std::vector<PassedCall> passed;

    HostObject(const void* table, CallLog* log, std::string name) : table(table), log(log), name(std::move(name)) {}
    HostObject(const HostObject&) = delete;
    HostObject& operator=(const HostObject&) = delete;
};

// The three counted-object slots every table of the kit starts with.
acf::UnknownTable unknownSlots();

// The kit's answer to a pass-through operation N: the call is recorded on the object and answered with
// passedResult(N), so a test sees the words arrive unchanged and the result come back unchanged.
constexpr acf::Result passedResult(int operation) { return 1000 + operation; }
acf::Result recordPassed(void* self, int operation, std::vector<void*> words);

template <int N>
acf::Result passed1(void* self, void* a)
{
    return recordPassed(self, N, {a});
}
template <int N>
acf::Result passed3(void* self, void* a, void* b, void* c)
{
    return recordPassed(self, N, {a, b, c});
}
template <int N>
acf::Result passed4(void* self, void* a, void* b, void* c, void* d)
{
    return recordPassed(self, N, {a, b, c, d});
}
template <int N>
acf::Result passed5(void* self, void* a, void* b, void* c, void* d, void* e)
{
    return recordPassed(self, N, {a, b, c, d, e});
}
template <int N>
acf::Result passed6(void* self, void* a, void* b, void* c, void* d, void* e, void* f)
{
    return recordPassed(self, N, {a, b, c, d, e, f});
}

// Text of a Uid for the call log, e.g. {964E333D-334C-533F-C2C7-3834C3C23E3E}.
std::string uidText(const acf::Uid& uid);

}  // namespace aaxkit
