// One RTAS plug-in file as rtashost drives it: loaded by its path, opened through its Windows open entry, its
// routines fetched by selector, its types found by ID. Everything goes through the plug-in's exports and routines.
// Main thread.
#pragma once

#include "platform/Library.h"
#include "rtas/framework/host/PlugInEntries.h"
#include "rtas/framework/host/PlugInRoutines.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace rtashost {

// A failure rtashost reports in one line and exits on.
class HostError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct PlugInType
{
    uint32_t number = 0;  // 1-based position in the group
    uint32_t typeID = 0;
    uint32_t productID = 0;
    int32_t kind = 0;  // 3 real-time, 1 AudioSuite
    int32_t inputStem = 0;
    int32_t outputStem = 0;
};

class PlugInSession
{
public:
    // Loads and opens the plug-in file; throws HostError when either fails.
    explicit PlugInSession(const std::string& path);
    ~PlugInSession();
    PlugInSession(const PlugInSession&) = delete;
    PlugInSession& operator=(const PlugInSession&) = delete;

    // The routine of a selector; throws HostError when the plug-in has none.
    template <int Selector>
    typename PlugInRoutine<Selector>::Type routine() const
    {
        return reinterpret_cast<typename PlugInRoutine<Selector>::Type>(routineFor(Selector));
    }

    std::string manufacturerName() const;
    uint32_t manufacturerID() const { return manufacturerID_; }
    std::string effectName() const;
    const std::vector<PlugInType>& types() const { return types_; }
    // The type with this ID; throws HostError when the plug-in has none.
    const PlugInType& type(const std::string& typeID) const;

private:
    PlugInRoutinePointer routineFor(uint32_t selector) const;

    platform::Library library_;
    GetRoutineDescriptorEntry descriptor_ = nullptr;
    WinPlugInCloseEntry close_ = nullptr;
    bool opened_ = false;
    uint32_t manufacturerID_ = 0;
    std::vector<PlugInType> types_;
};

// A four-character code as text, and back (throws HostError unless the text has four characters).
std::string fourCCText(uint32_t code);
uint32_t fourCC(const std::string& text);
// A routine's answer that must be 0; throws HostError naming what failed otherwise.
void check(int32_t result, const std::string& what);

}  // namespace rtashost
