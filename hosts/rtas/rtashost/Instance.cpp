#include "hosts/rtas/rtashost/Instance.h"

#include "hosts/aax/cli/ProgramChoice.h"
#include "hosts/rtas/KitControl.h"
#include "rtas/framework/ControlValueMapping.h"

#include <cmath>
#include <cstring>

namespace rtashost {
namespace {

constexpr int32_t kChunkHeaderSize = kPlugInChunkHeaderSize;
// Room for the longest value text the plug-in writes for a surface.
constexpr int32_t kValueTextLength = 99;

std::string pascalText(const unsigned char* text)
{
    return std::string(reinterpret_cast<const char*>(text) + 1, text[0]);
}

}  // namespace

Instance::Instance(const PlugInSession& session, const PlugInType& type) : session_(session), type_(type)
{
    check(session_.routine<19>()(type_.number, &index_), "creating an instance of '" + fourCCText(type_.typeID) + "'");
}

Instance::~Instance()
{
    session_.routine<20>()(type_.number, index_);
}

int32_t Instance::controlCount() const
{
    int32_t count = 0;
    check(session_.routine<40>()(type_.number, index_, &count), "counting the controls");
    return count;
}

ControlInfo Instance::control(int32_t id) const
{
    if (id < 1 || id > controlCount())
        throw HostError("the instance has no control " + std::to_string(id));
    ControlInfo info;
    info.id = id;
    unsigned char text[256] = {};
    // The longest variant is the name's first line.
    check(session_.routine<131>()(type_.number, index_, id, 255, text), "asking a control's name");
    info.name = pascalText(text);
    int32_t bypass = 0;
    session_.routine<132>()(type_.number, index_, &bypass);
    int32_t continuous = 0;
    check(session_.routine<88>()(type_.number, index_, id, &continuous), "asking a control's kind");
    info.kind = id == bypass ? "on/off" : continuous != 0 ? "continuous" : "discrete";
    int32_t value = 0;
    check(session_.routine<45>()(type_.number, index_, id, &value), "asking a control's value");
    std::memset(text, 0, sizeof text);
    check(session_.routine<90>()(type_.number, index_, id, value, kValueTextLength, text), "asking a control's text");
    info.text = pascalText(text);
    return info;
}

void Instance::setControl(int32_t id, double normalised)
{
    const ControlInfo info = control(id);
    int32_t value = 0;
    if (info.kind == "continuous") {
        value = rtas::DoubleToControlValue(normalised, 0.0, 1.0);
    } else {
        int32_t steps = 0;
        check(session_.routine<42>()(type_.number, index_, id, &steps), "asking a control's steps");
        const int32_t last = steps > 1 ? steps - 1 : 1;
        value = rtas::IntegerToControlValue(int32_t(std::lround(normalised * last)), 0, last);
    }
    check(session_.routine<46>()(type_.number, index_, id, value), "setting control " + std::to_string(id));
    serviceValueRequests();
}

void Instance::serviceValueRequests()
{
    const int32_t count = controlCount();
    int32_t nameID = 0;
    int32_t value = 0;
    while (QorKitTakeValueRequest(&nameID, &value) != 0) {
        for (int32_t id = 1; id <= count; ++id) {
            int32_t controlNameID = 0;
            check(session_.routine<86>()(type_.number, index_, id, &controlNameID), "asking a control's name ID");
            if (controlNameID == nameID) {
                check(session_.routine<99>()(type_.number, index_, id, value), "setting control " + std::to_string(id));
                break;
            }
        }
    }
}

void Instance::printControls(std::ostream& out) const
{
    const int32_t count = controlCount();
    for (int32_t id = 1; id <= count; ++id) {
        const ControlInfo info = control(id);
        out << "control " << info.id << " \"" << info.name << "\" " << info.kind << " \"" << info.text << "\"\n";
    }
}

std::vector<uint8_t> Instance::chunk(uint32_t chunkID) const
{
    int32_t size = 0;
    check(session_.routine<65>()(type_.number, index_, chunkID, &size), "asking the size of chunk '" +
                                                                            fourCCText(chunkID) + "'");
    if (size < kChunkHeaderSize)
        throw HostError("the instance has no chunk '" + fourCCText(chunkID) + "'");
    std::vector<uint8_t> stored(size_t(size), 0);
    auto* header = reinterpret_cast<SFicPlugInChunk*>(stored.data());
    header->size = size;
    check(session_.routine<66>()(type_.number, index_, chunkID, header), "getting chunk '" + fourCCText(chunkID) + "'");
    // The chunk says how much of the space it filled.
    if (header->size >= kChunkHeaderSize && header->size < size)
        stored.resize(size_t(header->size));
    return stored;
}

void Instance::setChunk(uint32_t chunkID, std::vector<uint8_t> stored)
{
    if (stored.size() < size_t(kChunkHeaderSize))
        throw HostError("a chunk of " + std::to_string(stored.size()) + " bytes is shorter than its header");
    auto* header = reinterpret_cast<SFicPlugInChunk*>(stored.data());
    // The plug-in bounds its reading by the size word: it must not claim more than there is.
    if (header->size != int32_t(stored.size()))
        throw HostError("the chunk's size word (" + std::to_string(header->size) + ") does not match its " +
                        std::to_string(stored.size()) + " bytes");
    if (header->chunkID != chunkID)
        throw HostError("the chunk is '" + fourCCText(header->chunkID) + "', not '" + fourCCText(chunkID) + "'");
    const int32_t result = session_.routine<67>()(type_.number, index_, chunkID, header);
    if (result != 0)
        throw HostError("the plug-in refuses the chunk (code " + std::to_string(result) + ")");
    serviceValueRequests();
}

void Instance::chooseProgram(const std::string& nameOrNumber)
{
    std::vector<uint8_t> stored = chunk(kCompleteStateChunk);
    std::vector<uint8_t> blob(stored.begin() + kChunkHeaderSize, stored.end());
    std::string error;
    if (!aaxhost::chooseProgram(blob, nameOrNumber, error))
        throw HostError(error);
    std::copy(blob.begin(), blob.end(), stored.begin() + kChunkHeaderSize);
    setChunk(kCompleteStateChunk, std::move(stored));
}

}  // namespace rtashost
