// The mixed soundtrack written to a WAV file as it is heard, so the whole sound is never
// held: the header's sizes are filled in when the file is closed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/whole_file.h"

namespace tools::capture {

inline constexpr const char* kSoundtrackFileName = "soundtrack.wav";

class SoundtrackWriter {
public:
    static constexpr int kSampleRate = 44100;

    // Opens `path` for 16-bit stereo; a file that cannot be made is logged and skipped.
    explicit SoundtrackWriter(const std::string& path);
    SoundtrackWriter(const SoundtrackWriter&) = delete;
    SoundtrackWriter& operator=(const SoundtrackWriter&) = delete;

    // Mixes the next `frames` stereo frames; they go to the file only when `keep` is set.
    void Hear(size_t frames, bool keep);
    // Completes the header and puts the file in place; false, with a message and no file,
    // when any byte did not reach it. A writer destroyed unclosed leaves no file.
    bool Close();

private:
    std::string path_;
    tools::data::PendingFile file_;
    uint32_t dataBytes_ = 0;
    bool failed_ = false;
    // Reused from one frame's sound to the next.
    std::vector<float> mix_;
    std::vector<int16_t> samples_;
};

}  // namespace tools::capture
