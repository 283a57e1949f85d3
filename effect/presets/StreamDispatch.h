// One stored stream read whole: the bytes of a preset or bank file, or of a registry value. Files and values share
// this road, so both accept the same layouts and refuse the same damage.
#pragma once

#include <cstddef>
#include <cstdint>

class CPresetSystemEditor;

enum class StoredKind
{
    Bank,    // a bank stream ('8') or the older bank layout ('7')
    Preset,  // a preset stream ('"') or the older preset layout ('!')
};

// The largest file or value that is read at all: far beyond any stream of this effect (a bank stream is 26537
// bytes), and a bound on what a foreign file can cost.
constexpr size_t kMaxStoredStreamSize = 4u << 20;

// Reads a stored stream into the editor's effect. The leading 32-bit word must be the effect's unique ID in either
// byte order, which decides whether the rest is byte-swapped; endianReversed (the endian-reversed load entries)
// inverts that decision. The format byte then picks the newer layout of its kind (header and records) or the older
// one (with the value count derived from the size); any other byte, a lead of fewer than 5 bytes or a header cut
// short reads nothing. Never reads past size. True when a reader took the stream; otherwise the bank is as it was.
bool readStoredStream(CPresetSystemEditor& editor, const uint8_t* bytes, size_t size, StoredKind kind,
                      bool endianReversed);
