// The kit's call log (see KitLog.h), kept in DAE.dll for every stand-in library.
#include "hosts/rtas/KitControl.h"
#include "hosts/rtas/engine/EngineState.h"

#include <algorithm>
#include <cstring>
#include <string>

extern "C" {

QOR_KIT_EXPORT void QorKitRecord(const char* call)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    state.calls.emplace_back(call != nullptr ? call : "");
}

QOR_KIT_EXPORT int32_t QorKitCallCount(const char* call)
{
    auto& state = qorkit::engine();
    std::lock_guard<std::mutex> guard(state.mutex);
    return int32_t(std::count(state.calls.begin(), state.calls.end(), std::string(call != nullptr ? call : "")));
}

QOR_KIT_EXPORT int32_t QorKitCallLog(char* buffer, int32_t capacity)
{
    auto& state = qorkit::engine();
    std::string text;
    {
        std::lock_guard<std::mutex> guard(state.mutex);
        for (const auto& call : state.calls)
            text += call + "\n";
    }
    if (buffer != nullptr && capacity > 0) {
        const size_t n = std::min(text.size(), size_t(capacity - 1));
        std::memcpy(buffer, text.data(), n);
        buffer[n] = 0;
    }
    return int32_t(text.size());
}

}  // extern "C"
