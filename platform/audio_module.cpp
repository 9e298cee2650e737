// Renders a tracker module as the mixer asks for it.
#include "platform/audio_module.h"

#include <libopenmpt/libopenmpt.h>

namespace platform {
namespace {

class ModuleSource : public AudioSource {
public:
    ModuleSource(openmpt_module* module, uint32_t rate)
        : module_(module), rate_(static_cast<int32_t>(rate)) {}
    ~ModuleSource() override { openmpt_module_destroy(module_); }
    ModuleSource(const ModuleSource&) = delete;
    ModuleSource& operator=(const ModuleSource&) = delete;

    size_t Read(float* out, size_t frames) override {
        size_t produced = 0;
        while (produced < frames) {
            size_t done = openmpt_module_read_interleaved_float_stereo(
                module_, rate_, frames - produced, out + 2 * produced);
            if (done == 0) {
                break;
            }
            produced += done;
        }
        return produced;
    }

private:
    openmpt_module* module_;
    int32_t rate_;
};

}  // namespace

std::unique_ptr<AudioSource> OpenModule(const std::vector<uint8_t>& bytes, uint32_t rate) {
    if (bytes.empty()) {
        return nullptr;
    }
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
        nullptr, nullptr, nullptr, nullptr);
    if (!module) {
        return nullptr;
    }
    return std::make_unique<ModuleSource>(module, rate);
}

}  // namespace platform
