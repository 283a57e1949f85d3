// Preset and bank files: chosen in the file selector, read through the stored-stream road the registry values take,
// written whole so that a failed save never costs the file that was there.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "effect/editor/CPresetSystemEditor.h"
#include "effect/presets/CPresetSystemEffect.h"
#include "effect/presets/StreamDispatch.h"
#include "effect/presets/StreamSupport.h"
#include "gui/CNewFileSelector.h"
#include "platform/Files.h"
#include "platform/MutexScope.h"

namespace {

CFileExtension presetExtension() { return CFileExtension("Qor Preset", "qor"); }
CFileExtension bankExtension() { return CFileExtension("Qor Bank", "qrb"); }

const char* loadTitle(bool bank, bool endianReversed)
{
    if (bank)
        return endianReversed ? "Load bank (endian-reversed)" : "Load bank";
    return endianReversed ? "Load preset (endian-reversed)" : "Load preset";
}

// The proposed name of a saved preset is the remembered one up to its first dot; a leading dot (a hidden file's
// name) does not count. The cut stays in the remembered name.
void cutAtFirstDot(char* name)
{
    if (name[0] == '\0')
        return;
    if (char* dot = std::strchr(name + 1, '.'))
        *dot = '\0';
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

bool CPresetSystemEditor::splitPath(const char* path, char* fileName, char* directory)
{
    if (!path)
        return false;
    const size_t length = std::strlen(path);
    size_t separator = length;
    for (size_t i = length; i > 0; --i) {
        if (isSeparator(path[i - 1])) {
            separator = i - 1;
            break;
        }
    }
    if (separator == length)
        return false;
    const size_t directoryLength = separator + 1;
    const size_t nameLength = length - directoryLength;
    if (directoryLength >= kPathBufferSize || nameLength >= kPathBufferSize)
        return false;
    std::memcpy(fileName, path + directoryLength, nameLength);
    fileName[nameLength] = '\0';
    std::memcpy(directory, path, directoryLength);
    directory[directoryLength] = '\0';
    return true;
}

bool CPresetSystemEditor::loadPresetFile(bool endianReversed) { return loadFile(false, endianReversed); }

bool CPresetSystemEditor::loadBankFile(bool endianReversed) { return loadFile(true, endianReversed); }

bool CPresetSystemEditor::savePresetFile() { return saveFile(false); }

bool CPresetSystemEditor::saveBankFile() { return saveFile(true); }

bool CPresetSystemEditor::loadFile(bool bank, bool endianReversed)
{
    CPresetSystemEffect* effect = presetEffect_;
    if (!effect)
        return false;
    const std::unique_ptr<CNewFileSelector> selector =
        CNewFileSelector::create(fileSelectorFrame(), CNewFileSelector::kSelectFile);
    if (!selector)
        return false;
    selector->setTitle(loadTitle(bank, endianReversed));
    selector->setInitialDirectory(currentDirectory_);
    selector->addFileExtension(bank ? bankExtension() : presetExtension());
    if (!selector->runModal() || selector->getNumSelectedFiles() != 1)
        return false;

    // The file is opened by the path as chosen, so the remembered texts (which a path without a separator leaves
    // as they were) never decide which file is read.
    const std::string path = selector->getSelectedFile(0);
    splitPath(path.c_str(), bank ? bankFileName_ : presetFileName_, currentDirectory_);
    std::vector<uint8_t> bytes;
    const bool read = platform::readFileBytes(path, kMaxStoredStreamSize, bytes);
    const platform::MutexScope bankLock(effect->bankMutex());
    const bool loaded = read &&
                        readStoredStream(*this, bytes.data(), bytes.size(),
                                         bank ? StoredKind::Bank : StoredKind::Preset, endianReversed);
    // A loaded bank always starts on its first program, whatever its header named. A refused file changes nothing.
    if (loaded && bank) {
        if (const ProgramRecord* first = effect->program(0)) {
            programMenuSelect(0);
            showProgramName(ProgramNameText(*first).c_str());
            effect->setCurrentProgram(0);
        }
    }
    refreshFrame();
    return loaded;
}

bool CPresetSystemEditor::saveFile(bool bank)
{
    if (!presetEffect_)
        return false;
    const std::unique_ptr<CNewFileSelector> selector =
        CNewFileSelector::create(fileSelectorFrame(), CNewFileSelector::kSelectSaveFile);
    if (!selector)
        return false;
    selector->setTitle(bank ? "Save bank" : "Save preset");
    selector->setInitialDirectory(currentDirectory_);
    if (!bank)
        cutAtFirstDot(presetFileName_);
    selector->setDefaultSaveName(bank ? bankFileName_ : presetFileName_);
    selector->setDefaultExtension(bank ? bankExtension() : presetExtension());
    if (!selector->runModal() || selector->getNumSelectedFiles() != 1)
        return false;

    const std::string path = selector->getSelectedFile(0);
    splitPath(path.c_str(), bank ? bankFileName_ : presetFileName_, currentDirectory_);
    const std::vector<uint8_t> stream = bank ? writeBankStream() : writePresetStream();
    if (stream.empty())
        return false;
    return platform::replaceFileBytes(path, stream.data(), stream.size());
}
