#include "aax/bridge/HostCanDo.h"

#include <cstring>

namespace {

struct CanDoRow
{
    const char* text;
    intptr_t answer;
};

// Walked in order; the "<end>" row (answer -1) stops the walk. "sizeWindow" is 0 although the resize request
// itself is accepted: the effect asks this first and, on 0, resizes its own window instead.
const CanDoRow kCanDoTable[] = {
    {"sendVstEvents", 1},    {"sendVstMidiEvent", 1},        {"sendVstTimeInfo", 1},   {"receiveVstEvents", 0},
    {"receiveVstMidiEvent", 0}, {"receiveVstTimeInfo", 0},   {"reportConnectionChanges", 0},
    {"acceptIOChanges", 0},  {"sizeWindow", 0},              {"asyncProcessing", 0},   {"offline", 0},
    {"supplyIdle", 1},       {"supportShell", 0},            {"<end>", -1},
};

}  // namespace

intptr_t hostCanDo(const char* text)
{
    if (text == nullptr)
        return 0;
    for (const CanDoRow& row : kCanDoTable)
    {
        if (row.answer == -1)
            break;
        if (std::strcmp(row.text, text) == 0)
            return row.answer;
    }
    return 0;
}
