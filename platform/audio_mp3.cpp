// Decodes an MP3 held in memory as the mixer asks for it, converted to the mixing rate.
#include "platform/audio_mp3.h"

#include <mpg123.h>

#include "platform/audio_resampler.h"

namespace platform {
namespace {

class Mp3Source : public AudioSource {
public:
    explicit Mp3Source(mpg123_handle* handle) : handle_(handle) {}
    ~Mp3Source() override { mpg123_delete(handle_); }
    Mp3Source(const Mp3Source&) = delete;
    Mp3Source& operator=(const Mp3Source&) = delete;

    size_t Read(float* out, size_t frames) override {
        constexpr size_t kFrameBytes = 2 * sizeof(float);
        size_t produced = 0;
        while (produced < frames) {
            size_t done = 0;
            int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out + 2 * produced),
                                     (frames - produced) * kFrameBytes, &done);
            produced += done / kFrameBytes;
            // The whole file was fed at once, so anything but progress is the end.
            if (result != MPG123_OK || done == 0) {
                break;
            }
        }
        return produced;
    }

private:
    mpg123_handle* handle_;
};

// Asks for stereo float output at the file's own rate; that rate once the first frame
// has decoded, or 0 when there is no MP3 audio in `bytes`.
long Configure(mpg123_handle* handle, const std::vector<uint8_t>& bytes) {
    long flags = MPG123_FORCE_STEREO | MPG123_FORCE_FLOAT | MPG123_QUIET;
    if (mpg123_param(handle, MPG123_FLAGS, flags, 0) != MPG123_OK ||
        mpg123_open_feed(handle) != MPG123_OK ||
        mpg123_feed(handle, bytes.data(), bytes.size()) != MPG123_OK) {
        return 0;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK || channels != 2 ||
        encoding != MPG123_ENC_FLOAT_32) {
        return 0;
    }
    return rate;
}

}  // namespace

std::unique_ptr<AudioSource> OpenMp3(const std::vector<uint8_t>& bytes, uint32_t rate) {
    if (bytes.empty()) {
        return nullptr;
    }
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    if (!handle) {
        return nullptr;
    }
    long fileRate = Configure(handle, bytes);
    if (fileRate <= 0) {
        mpg123_delete(handle);
        return nullptr;
    }
    auto source = std::make_unique<Mp3Source>(handle);
    if (fileRate == static_cast<long>(rate)) {
        return source;
    }
    return std::make_unique<Resampler>(std::move(source), static_cast<uint32_t>(fileRate), rate);
}

}  // namespace platform
