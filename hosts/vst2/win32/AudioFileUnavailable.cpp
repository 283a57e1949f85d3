// The Windows build of the tool has no libsndfile (Debian ships it for the native build only): it reports so instead
// of reading or writing audio files. The end-to-end tests render in memory.
#include "hosts/vst2/AudioFile.h"

namespace vst2host {
namespace {
const char* const kNoAudioFiles = "audio files need libsndfile, which the Windows build of vst2host does not include";
}

bool readAudioFile(const std::string& path, AudioBuffer& buffer, std::string& error)
{
    error = kNoAudioFiles;
    return false;
}

bool writeAudioFile(const std::string& path, const AudioBuffer& buffer, SampleFormat format, std::string& error)
{
    error = kNoAudioFiles;
    return false;
}

}  // namespace vst2host
