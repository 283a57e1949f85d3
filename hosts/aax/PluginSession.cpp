#include "hosts/aax/PluginSession.h"

#include <chrono>
#include <thread>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace aaxkit {

PluginSession::~PluginSession()
{
    if (definition_ != nullptr)
        acf::tableOf<acf::UnknownTable>(definition_).release(definition_);
    if (started_)
        file_.shutdown(host_.unknown());
    file_.close();
}

bool PluginSession::open(const std::string& path)
{
    if (!file_.open(path))
    {
        error_ = file_.error();
        return false;
    }
    if (file_.startup(host_.unknown()) != 0)
    {
        error_ = "ACFStartup failed";
        return false;
    }
    started_ = true;
    const acf::Result result = file_.registerPlugin(host_.unknown(), &definition_);
    if (result != 0 || effect() == nullptr)
    {
        error_ = "ACFRegisterPlugin answered " + std::to_string(result);
        return false;
    }
    return true;
}

const EffectDescriptor* PluginSession::effect() const
{
    if (host_.collections().empty() || host_.collections().front()->effects.empty())
        return nullptr;
    return host_.collections().front()->effects.front().descriptor;
}

int32_t PluginSession::liveObjects()
{
    return file_.canUnloadNow != nullptr ? file_.canUnloadNow(host_.unknown()) : -1;
}

void PluginSession::runMessageLoop(int ms)
{
#if defined(_WIN32)
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
#else
    using RunLoop = void (*)(int32_t);
    if (auto run = reinterpret_cast<RunLoop>(file_.symbol("QorAaxRunMessageLoop")))
        run(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
#endif
}

}  // namespace aaxkit
