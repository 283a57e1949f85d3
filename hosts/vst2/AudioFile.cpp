#include "hosts/vst2/AudioFile.h"

#include <sndfile.h>

namespace vst2host {
namespace {

class SoundFile
{
public:
    SoundFile(const std::string& path, int mode, SF_INFO& info) : file_(sf_open(path.c_str(), mode, &info)) {}
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

}  // namespace

bool readAudioFile(const std::string& path, AudioBuffer& buffer, std::string& error)
{
    SF_INFO info{};
    SoundFile file(path, SFM_READ, info);
    if (file.get() == nullptr) {
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels <= 0 || info.frames < 0) {
        error = "'" + path + "' has no audio channels";
        return false;
    }
    buffer.channels = info.channels;
    buffer.sampleRate = info.samplerate;
    buffer.samples.assign(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels), 0.0);
    const sf_count_t read = sf_readf_double(file.get(), buffer.samples.data(), info.frames);
    if (read != info.frames) {
        error = "'" + path + "' ended early: " + sf_strerror(file.get());
        return false;
    }
    return true;
}

bool writeAudioFile(const std::string& path, const AudioBuffer& buffer, SampleFormat format, std::string& error)
{
    if (buffer.channels <= 0 || buffer.sampleRate <= 0.0) {
        error = "nothing to write to '" + path + "': no channels or no sample rate";
        return false;
    }
    SF_INFO info{};
    info.channels = buffer.channels;
    info.samplerate = static_cast<int>(buffer.sampleRate);
    info.format = SF_FORMAT_WAV | (format == SampleFormat::Float64 ? SF_FORMAT_DOUBLE : SF_FORMAT_FLOAT);
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
