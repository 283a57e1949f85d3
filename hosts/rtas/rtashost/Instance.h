// One instance of a plug-in type, made and deleted through the plug-in's routines: its controls and its chunks.
// Main thread.
#pragma once

#include "hosts/rtas/rtashost/PlugInSession.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace rtashost {

struct ControlInfo
{
    int32_t id = 0;
    std::string name;   // the first (longest) line of the control's name
    std::string kind;   // "on/off", "discrete" or "continuous"
    std::string text;   // the value as the plug-in shows it
};

class Instance
{
public:
    Instance(const PlugInSession& session, const PlugInType& type);
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    const PlugInSession& session() const { return session_; }
    const PlugInType& type() const { return type_; }
    int32_t index() const { return index_; }

    int32_t controlCount() const;
    ControlInfo control(int32_t id) const;
    // Sets a control from a normalised value (0 to 1); throws HostError for a control the instance does not have.
    void setControl(int32_t id, double normalised);
    // Prints one line per control: control N "NAME" KIND "TEXT".
    void printControls(std::ostream& out) const;

    // The chunk as the host stores it: the 56-byte header and the body.
    std::vector<uint8_t> chunk(uint32_t chunkID) const;
    // Hands a stored chunk back; throws HostError when the plug-in refuses it.
    void setChunk(uint32_t chunkID, std::vector<uint8_t> stored);
    // Selects one of the effect's programs, by number or name, through the effect's saved state.
    void chooseProgram(const std::string& nameOrNumber);

private:
    // An instance that shares its controls with the engine asks the host to set a control rather than setting it:
    // the host answers every request waiting in the engine by setting the control it names (routine 99).
    void serviceValueRequests();

    const PlugInSession& session_;
    PlugInType type_;
    int32_t index_ = 0;
};

// The chunk IDs rtashost knows.
constexpr uint32_t kCompleteStateChunk = 0x416C6C20;  // 'All '
constexpr uint32_t kControlsStateChunk = 0x656C636B;  // 'elck'

}  // namespace rtashost
