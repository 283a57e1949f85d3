#include "hosts/vst2/AudioFile.h"

#include "hosts/common/HostFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#define ENABLE_SNDFILE_WINDOWS_PROTOTYPES 1
#include <windows.h>
#endif
#include <sndfile.h>

namespace vst2host {
namespace {

// libsndfile's error numbers that say something a user can act on.
constexpr int kUnrecognisedFormat = SF_ERR_UNRECOGNISED_FORMAT;
constexpr int kSystemError = SF_ERR_SYSTEM;
constexpr int kUnsupportedEncoding = SF_ERR_UNSUPPORTED_ENCODING;

SNDFILE* openSoundFile(const std::string& path, int mode, SF_INFO& info)
{
#ifdef _WIN32
    return sf_wchar_open(hostcli::pathOf(path).wstring().c_str(), mode, &info);
#else
    return sf_open(path.c_str(), mode, &info);
#endif
}

class SoundFile
{
public:
    SoundFile(const std::string& path, int mode, SF_INFO& info) : file_(openSoundFile(path, mode, info)) {}
    ~SoundFile()
    {
        if (file_ != nullptr)
            sf_close(file_);
    }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;

    SNDFILE* get() const { return file_; }
    // Closes now so that a failure to flush the file is reported.
    bool close()
    {
        const int result = sf_close(file_);
        file_ = nullptr;
        return result == 0;
    }

private:
    SNDFILE* file_;
};

// What is wrong with a file libsndfile would not open, in a user's words, libsndfile's own after them.
std::string whyUnreadable(const std::string& path)
{
    std::error_code code;
    const std::filesystem::file_status status = std::filesystem::status(hostcli::pathOf(path), code);
    if (!std::filesystem::exists(status))
        return "there is no such file";
    if (std::filesystem::is_directory(status))
        return "it is a folder, not an audio file";
    const int number = sf_error(nullptr);
    std::string reason;
    if (number == kUnrecognisedFormat)
        reason = "it is not an audio file of a format this host reads";
    else if (number == kSystemError)
        reason = "it cannot be opened";
    else if (number == kUnsupportedEncoding)
        reason = "its samples are in an encoding this host does not read";
    else
        reason = "its header is damaged or incomplete (a sample rate or a channel count of 0, say)";
    return reason + " [libsndfile: " + sf_strerror(nullptr) + "]";
}

// Whether libsndfile's account of the header it parsed says the header promised more than the file holds: it
// notes "data : 4000 (should be 2999)" (SSND for AIFF) and reads on as far as the file goes.
bool headerClaimsMore(SNDFILE* file)
{
    char log[8192] = {};
    sf_command(file, SFC_GET_LOG_INFO, log, sizeof log);
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, 4, "data") != 0 && line.compare(0, 4, "SSND") != 0)
            continue;
        long long claimed = 0, actual = 0;
        const size_t colon = line.find(':');
        const size_t should = line.find("(should be ");
        if (colon == std::string::npos || should == std::string::npos)
            continue;
        std::istringstream(line.substr(colon + 1)) >> claimed;
        std::istringstream(line.substr(should + 11)) >> actual;
        if (actual < claimed)
            return true;
    }
    return false;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The major format that libsndfile writes under the path's extension, or 0.
int majorFormatOf(const std::string& path)
{
    const std::string extension = lowerCase(hostcli::pathOf(path).extension().u8string());
    if (extension.size() < 2)
        return 0;
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &count, sizeof count);
    for (int index = 0; index < count; ++index) {
        SF_FORMAT_INFO major{};
        major.format = index;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &major, sizeof major) == 0 && major.extension != nullptr &&
            extension.compare(1, std::string::npos, major.extension) == 0)
            return major.format;
    }
    return 0;
}

// The first sample format the major format takes, in the order of preference: the one asked for, then the most
// exact ones, then whatever the format has (a lossy codec for a lossy container).
int fileFormatFor(int major, SampleFormat format, int channels, int rate)
{
    const int wanted = format == SampleFormat::Float64 ? SF_FORMAT_DOUBLE : SF_FORMAT_FLOAT;
    std::vector<int> subtypes = {wanted, SF_FORMAT_FLOAT, SF_FORMAT_DOUBLE, SF_FORMAT_PCM_32, SF_FORMAT_PCM_24,
                                 SF_FORMAT_PCM_16};
    int count = 0;
    sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE_COUNT, &count, sizeof count);
    for (int index = 0; index < count; ++index) {
        SF_FORMAT_INFO subtype{};
        subtype.format = index;
        if (sf_command(nullptr, SFC_GET_FORMAT_SUBTYPE, &subtype, sizeof subtype) == 0)
            subtypes.push_back(subtype.format);
    }
    for (const int subtype : subtypes) {
        SF_INFO info{};
        info.format = major | subtype;
        info.channels = channels;
        info.samplerate = rate;
        if (sf_format_check(&info))
            return info.format;
    }
    return 0;
}

}  // namespace

bool readAudioFile(const std::string& path, AudioBuffer& buffer, std::string& error, std::string* warning)
{
    SF_INFO info{};
    SoundFile file(path, SFM_READ, info);
    if (file.get() == nullptr) {
        error = "cannot read '" + path + "': " + whyUnreadable(path);
        return false;
    }
    if (info.channels <= 0 || info.frames < 0) {
        error = "cannot read '" + path + "': it has no audio channels";
        return false;
    }
    if (info.samplerate <= 0) {
        error = "cannot read '" + path + "': its sample rate is 0";
        return false;
    }
    buffer.channels = info.channels;
    buffer.sampleRate = info.samplerate;
    buffer.samples.assign(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels), 0.0);
    const sf_count_t read = std::max<sf_count_t>(sf_readf_double(file.get(), buffer.samples.data(), info.frames), 0);
    buffer.samples.resize(static_cast<size_t>(read) * static_cast<size_t>(info.channels));
    if ((read < info.frames || headerClaimsMore(file.get())) && warning != nullptr)
        *warning = "'" + path + "' ends before the length its header gives (cut short?); read the " +
                   std::to_string(read) + " frames it holds";
    return true;
}

bool checkAudioFileName(const std::string& path, std::string& error)
{
    if (majorFormatOf(path) != 0)
        return true;
    const std::string extension = hostcli::pathOf(path).extension().u8string();
    error = "cannot write '" + path + "': " +
            (extension.empty() ? std::string("its name has no extension to tell the audio format")
                               : "'" + extension + "' names no audio format this host writes") +
            " (give .wav, say)";
    return false;
}

bool writeAudioFile(const std::string& path, const AudioBuffer& buffer, SampleFormat format, std::string& error)
{
    if (buffer.channels <= 0 || buffer.sampleRate <= 0.0) {
        error = "nothing to write to '" + path + "': no channels or no sample rate";
        return false;
    }
    if (!checkAudioFileName(path, error))
        return false;
    SF_INFO info{};
    info.channels = buffer.channels;
    info.samplerate = static_cast<int>(buffer.sampleRate);
    info.format = fileFormatFor(majorFormatOf(path), format, info.channels, info.samplerate);
    if (info.format == 0) {
        error = "cannot write '" + path + "': its format cannot hold " + std::to_string(info.channels) +
                " channels at " + std::to_string(info.samplerate) + " Hz";
        return false;
    }
    SoundFile file(path, SFM_WRITE, info);
    if (file.get() == nullptr) {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    const auto frames = static_cast<sf_count_t>(buffer.frames());
    if (sf_writef_double(file.get(), buffer.samples.data(), frames) != frames) {
        error = "cannot write all of '" + path + "': " + sf_strerror(file.get());
        return false;
    }
    if (!file.close()) {
        error = "cannot finish '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace vst2host
