// A stand-in effect library for the loading rule's cases, built three ways: QOR_FAKE_ENTRY_MAIN exports only the
// entry "Main"; QOR_FAKE_ENTRY_NULL exports "main" returning no record; neither exports no entry at all. Its
// dispatcher appends each request to the file named by QOR_FAKE_EFFECT_LOG ("opcode index value opt"), its
// set-parameter entry each write ("set index value").
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "effect/vst2/EffectRecord.h"

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

// Appends one line to the log file, when the test names one.
void logLine(const char* line)
{
    if (const char* path = std::getenv("QOR_FAKE_EFFECT_LOG"))
    {
        if (std::FILE* file = std::fopen(path, "a"))
        {
            std::fputs(line, file);
            std::fclose(file);
        }
    }
}

intptr_t dispatcher(EffectRecord*, int32_t opcode, int32_t index, intptr_t value, void*, float opt)
{
    char line[96];
    std::snprintf(line, sizeof line, "%d %d %lld %g\n", opcode, index, static_cast<long long>(value), opt);
    logLine(line);
    return 0;
}

float getParameter(EffectRecord*, int32_t) { return 0.0f; }

void setParameter(EffectRecord*, int32_t index, float value)
{
    char line[64];
    std::snprintf(line, sizeof line, "set %d %g\n", index, value);
    logLine(line);
}

void process(EffectRecord*, float**, float**, int32_t) {}

EffectRecord gRecord = [] {
    EffectRecord record{};
    record.magic = kEffectMagic;
    record.dispatcher = &dispatcher;
    record.process = &process;
    record.setParameter = &setParameter;
    record.getParameter = &getParameter;
    record.numPrograms = 1;
    record.numParams = 2;
    record.numInputs = 2;
    record.numOutputs = 2;
    record.flags = kFlagCanReplacing;
    record.processReplacing = &process;
    return record;
}();

}  // namespace

#if defined(QOR_FAKE_ENTRY_MAIN)
FAKE_EXPORT EffectRecord* Main(HostCallback host)
{
    // The real effect talks to its host while it is being made, before the host holds the record.
    host(&gRecord, 43, 0, 0, nullptr, 0.0f);
    host(&gRecord, 44, 0, 0, nullptr, 0.0f);
    host(&gRecord, 42, 0, 0, nullptr, 0.0f);
    return &gRecord;
}
#elif defined(QOR_FAKE_ENTRY_NULL)
FAKE_EXPORT EffectRecord* fakeMain(HostCallback) __asm__("main");
FAKE_EXPORT EffectRecord* fakeMain(HostCallback)
{
    return nullptr;
}
#else
FAKE_EXPORT int fakeNoEntry()
{
    return 0;
}
#endif
