// Where the preset system keeps its values for the current user, and the names of those values.
#pragma once

#include <string>

namespace presetregistry {

constexpr const char* kVendorKey = "SOFTWARE\\Qor-velmont\\";
constexpr const char* kProductKey = "QorKalvenop";

// "SOFTWARE\Qor-velmont\QorKalvenop"
inline std::string keyPath() { return std::string(kVendorKey) + kProductKey; }

// Binary values, each one whole stream as a file holds it.
constexpr const char* kDefaultBank = "DefaultBank";
constexpr const char* kDefaultPreset = "DefaultPreset";
constexpr const char* kMemoA = "MemoA";
constexpr const char* kMemoB = "MemoB";
// Texts: the remembered file locations, and the user manual's path that the installation writes.
constexpr const char* kCurrentDirectory = "CurrDir";
constexpr const char* kCurrentBank = "CurrBank";
constexpr const char* kCurrentPreset = "CurrPreset";
constexpr const char* kManualPath = "ManualPath";
// Only ever deleted.
constexpr const char* kDefaultMidi = "DefaultMidi";

}  // namespace presetregistry
