// The mixed soundtrack written to a WAV file as it is heard, so the whole sound is never
// held: the header's sizes are filled in when the file is closed.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tools::capture {

class SoundtrackWriter {
public:
    static constexpr int kSampleRate = 44100;

    // Opens `path` for 16-bit stereo; a file that cannot be made is logged and skipped.
    explicit SoundtrackWriter(const std::string& path);
    ~SoundtrackWriter();
    SoundtrackWriter(const SoundtrackWriter&) = delete;
    SoundtrackWriter& operator=(const SoundtrackWriter&) = delete;

    // Mixes the next `frames` stereo frames; they go to the file only when `keep` is set.
    void Hear(size_t frames, bool keep);
    // Completes the header; true when every byte reached the file.
    bool Close();

private:
    std::FILE* file_ = nullptr;
    uint32_t dataBytes_ = 0;
    bool failed_ = false;
    // Reused from one frame's sound to the next.
    std::vector<float> mix_;
    std::vector<int16_t> samples_;
};

}  // namespace tools::capture
