// The default bank and preset, the two memories and the remembered file locations, kept in the current user's
// registry under one key. Values are read whole and go through the same stored-stream road as files.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/RegistryNames.h"
#include "effect/presets/StreamDispatch.h"
#include "platform/Registry.h"

namespace {

using platform::RegistryKey;

// The stored texts, counted in UTF-16 code units without the terminator, as the registry measures them.
constexpr size_t kMaxRememberedChars = kPathBufferSize - 1;
// A stream value shorter than an ID and a format byte holds nothing to read.
constexpr size_t kMinStreamValueSize = 5;

std::unique_ptr<RegistryKey> openForReading()
{
    return RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::QueryValue);
}

// A text too long for its buffer is left out rather than cut, which could split a character.
void copyText(char* buffer, const std::string& text)
{
    if (text.size() < kPathBufferSize)
        std::memcpy(buffer, text.c_str(), text.size() + 1);
    else
        buffer[0] = '\0';
}

}  // namespace

void CPresetSystemEditor::storeStream(const char* valueName, bool bank)
{
    const std::vector<uint8_t> stream = bank ? writeBankStream() : writePresetStream();
    // An empty stream (no bank) is stored as an empty value, which every load ignores.
    if (std::unique_ptr<RegistryKey> key = RegistryKey::create(presetregistry::keyPath()))
        key->writeBinary(valueName, stream.data(), stream.size());
}

void CPresetSystemEditor::removeValue(const char* valueName)
{
    if (std::unique_ptr<RegistryKey> key =
            RegistryKey::open(presetregistry::keyPath(), RegistryKey::Access::SetValue))
        key->deleteValue(valueName);
}

bool CPresetSystemEditor::loadStream(const char* valueName, bool bank)
{
    std::vector<uint8_t> value;
    {
        std::unique_ptr<RegistryKey> key = openForReading();
        size_t size = 0;
        if (!key || !key->valueSize(valueName, size) || size < kMinStreamValueSize || size > kMaxStoredStreamSize ||
            !key->readBinary(valueName, value))
            return false;
    }
    return readStoredStream(*this, value.data(), value.size(), bank ? StoredKind::Bank : StoredKind::Preset, false);
}

void CPresetSystemEditor::storeDefaultBank() { storeStream(presetregistry::kDefaultBank, true); }
void CPresetSystemEditor::deleteDefaultBank() { removeValue(presetregistry::kDefaultBank); }
void CPresetSystemEditor::loadDefaultBank() { loadStream(presetregistry::kDefaultBank, true); }

void CPresetSystemEditor::storeDefaultPreset() { storeStream(presetregistry::kDefaultPreset, false); }
void CPresetSystemEditor::deleteDefaultPreset() { removeValue(presetregistry::kDefaultPreset); }
void CPresetSystemEditor::loadDefaultPreset() { loadStream(presetregistry::kDefaultPreset, false); }

void CPresetSystemEditor::storeMemoA() { storeStream(presetregistry::kMemoA, false); }
void CPresetSystemEditor::storeMemoB() { storeStream(presetregistry::kMemoB, false); }
void CPresetSystemEditor::recallMemoA() { loadStream(presetregistry::kMemoA, false); }
void CPresetSystemEditor::recallMemoB() { loadStream(presetregistry::kMemoB, false); }

void CPresetSystemEditor::deleteDefaultMidi() { removeValue(presetregistry::kDefaultMidi); }

void CPresetSystemEditor::saveFileState()
{
    std::unique_ptr<RegistryKey> key = RegistryKey::create(presetregistry::keyPath());
    if (!key)
        return;
    key->writeString(presetregistry::kCurrentDirectory, currentDirectory_);
    key->writeString(presetregistry::kCurrentBank, bankFileName_);
    key->writeString(presetregistry::kCurrentPreset, presetFileName_);
}

void CPresetSystemEditor::loadFileState()
{
    // Whatever is missing leaves its text empty.
    std::string directory, bank, preset;
    if (std::unique_ptr<RegistryKey> key = openForReading()) {
        if (!key->readString(presetregistry::kCurrentDirectory, directory, kMaxRememberedChars))
            directory.clear();
        if (!key->readString(presetregistry::kCurrentBank, bank, kMaxRememberedChars))
            bank.clear();
        if (!key->readString(presetregistry::kCurrentPreset, preset, kMaxRememberedChars))
            preset.clear();
    }
    copyText(currentDirectory_, directory);
    copyText(bankFileName_, bank);
    copyText(presetFileName_, preset);
}

void CPresetSystemEditor::loadStartupDefaults()
{
    loadDefaultBank();
    if (presetEffect_)
        presetEffect_->setCurrentProgram(0);
    loadDefaultPreset();
    loadFileState();
}
