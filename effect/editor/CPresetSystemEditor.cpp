#include "effect/editor/CPresetSystemEditor.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "effect/presets/CPresetSystemEffect.h"

CPresetSystemEditor::CPresetSystemEditor(CPresetSystemEffect* effect) : AEffGUIEditor(effect), presetEffect_(effect)
{
    // A working directory too long for the buffer is not cut (that could split a character); it stays empty.
    std::error_code error;
    const std::string directory = std::filesystem::current_path(error).u8string();
    if (!error && directory.size() < kPathBufferSize)
        std::memcpy(currentDirectory_, directory.c_str(), directory.size() + 1);
}

CPresetSystemEditor::~CPresetSystemEditor() { saveFileState(); }
