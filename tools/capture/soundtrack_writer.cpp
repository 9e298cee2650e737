// Streams the audio layer's mix into a WAV file.
#include "tools/capture/soundtrack_writer.h"

#include <algorithm>
#include <vector>

#include "platform/audio.h"
#include "tools/common/wav.h"
#include "tools/common/whole_file.h"

namespace tools::capture {
namespace {

bool WriteHeader(tools::data::PendingFile& file, uint32_t dataBytes) {
    std::vector<uint8_t> header =
        tools::data::WavHeader(SoundtrackWriter::kSampleRate, platform::kAudioChannels, dataBytes);
    return file.Write(header.data(), header.size());
}

}  // namespace

SoundtrackWriter::SoundtrackWriter(const std::string& path) : path_(path), file_(path) {
    failed_ = !WriteHeader(file_, 0);
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
    failed_ = !file_.Write(samples_.data(), bytes);
    dataBytes_ += static_cast<uint32_t>(bytes);
}

bool SoundtrackWriter::Close() {
    bool headed =
        !failed_ && std::fseek(file_.stream(), 0, SEEK_SET) == 0 && WriteHeader(file_, dataBytes_);
    if (headed && file_.Commit()) {
        return true;
    }
    file_.Discard();
    std::fprintf(stderr, "torvane-capture: cannot write %s%s%s\n", path_.c_str(),
                 file_.error() ? ": " : "", file_.error() ? file_.error().message().c_str() : "");
    return false;
}

}  // namespace tools::capture
