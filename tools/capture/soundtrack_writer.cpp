// Streams the audio layer's mix into a WAV file.
#include "tools/capture/soundtrack_writer.h"

#include <algorithm>
#include <vector>

#include "platform/audio.h"
#include "tools/common/wav.h"

namespace tools::capture {
namespace {

bool WriteBytes(std::FILE* file, const void* bytes, size_t size) {
    return std::fwrite(bytes, 1, size, file) == size;
}

bool WriteHeader(std::FILE* file, uint32_t dataBytes) {
    std::vector<uint8_t> header =
        tools::data::WavHeader(SoundtrackWriter::kSampleRate, platform::kAudioChannels, dataBytes);
    return WriteBytes(file, header.data(), header.size());
}

}  // namespace

SoundtrackWriter::SoundtrackWriter(const std::string& path)
    : file_(std::fopen(path.c_str(), "wb")) {
    if (!file_ || !WriteHeader(file_, 0)) {
        std::fprintf(stderr, "torvane-capture: cannot write %s\n", path.c_str());
        failed_ = true;
    }
}

SoundtrackWriter::~SoundtrackWriter() {
    Close();
}

void SoundtrackWriter::Hear(size_t frames, bool keep) {
    mix_.resize(frames * platform::kAudioChannels);
    platform::MixAudio(mix_.data(), frames);
    if (!keep || failed_) {
        return;
    }
    samples_.resize(mix_.size());
    for (size_t i = 0; i < mix_.size(); ++i) {
        // Little-endian 16-bit, as every machine this runs on stores it.
        samples_[i] = static_cast<int16_t>(std::clamp(mix_[i], -1.0f, 1.0f) * 32767);
    }
    size_t bytes = samples_.size() * sizeof(int16_t);
    failed_ = !WriteBytes(file_, samples_.data(), bytes);
    dataBytes_ += static_cast<uint32_t>(bytes);
}

bool SoundtrackWriter::Close() {
    if (!file_) {
        return false;
    }
    bool ok = !failed_ && std::fseek(file_, 0, SEEK_SET) == 0 && WriteHeader(file_, dataBytes_);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
}

}  // namespace tools::capture
