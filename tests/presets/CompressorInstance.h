// The compressor effect as the plug-in makes it (editor and start-up load included), for the file and registry
// tests, and helpers that compare its bank and write values under the preset system's key.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "effect/QorFETcomp.h"
#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/RegistryNames.h"
#include "platform/Registry.h"
#include "tests/support/TestHost.h"

namespace storetest {

constexpr int32_t kExcluded[] = {3, 7, 14, 15};

inline bool isExcluded(int32_t index) { return index == 3 || index == 7 || index > 13; }

class CompressorInstance
{
public:
    CompressorInstance() : effect_(new QorFETcomp(&TestHost::callback)) {}

    QorFETcomp& effect() { return *effect_; }
    CPresetSystemEditor& editor() { return *effect_->presetEditor(); }

    std::vector<uint8_t> bankBytes()
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(effect_->bank());
        return std::vector<uint8_t>(bytes, bytes + sizeof(ProgramRecord) * kBankPrograms);
    }
    const ProgramRecord& program(int32_t index) { return *effect_->program(index); }
    std::string name(int32_t index)
    {
        const ProgramRecord& record = program(index);
        return std::string(record.name, strnlen(record.name, sizeof record.name));
    }

    // Selects a program and gives it a name and values no factory program has: 0.05 + 0.0571 * index + shift, kept
    // inside 0..1.
    void customise(int32_t programIndex, const char* newName, float shift)
    {
        effect_->setCurrentProgram(programIndex);
        for (int32_t i = 0; i < kProgramParams; ++i) {
            float v = 0.05f + 0.0571f * static_cast<float>(i) + shift;
            while (v > 1.0f)
                v -= 1.0f;
            effect_->setParameter(i, v);
        }
        effect_->renameCurrentProgram(newName);
    }

    // Destroys the effect (and with it the editor, which stores the remembered file locations).
    void destroy() { effect_.reset(); }

private:
    std::unique_ptr<QorFETcomp> effect_;
};

inline std::unique_ptr<platform::RegistryKey> presetKey()
{
    return platform::RegistryKey::create(presetregistry::keyPath());
}

inline void storeValue(const char* name, const std::vector<uint8_t>& bytes)
{
    std::unique_ptr<platform::RegistryKey> key = presetKey();
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeBinary(name, bytes.data(), bytes.size()));
}

// Removes the preset system's key, so that a program running every test in one process starts each clean.
inline void removePresetKey() { platform::RegistryKey::remove(presetregistry::keyPath()); }

class StoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        removePresetKey();
        TestHost::instance().reset();
    }
    void TearDown() override { removePresetKey(); }
};

}  // namespace storetest
