// Replays a fuzz target's corpus without libFuzzer: every file of every folder named on
// the command line goes through the target once, so past findings stay fixed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "fuzz_input.h"
#include "platform/files.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    // All names first: the target moves into its own folder on its first call.
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::absolute(argv[i]))) {
            inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    int replayed = 0;
    for (const fs::path& input : inputs) {
        std::vector<uint8_t> bytes;
        platform::ReadFile(input.string(), bytes);
        std::printf("%s\n", input.filename().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++replayed;
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
