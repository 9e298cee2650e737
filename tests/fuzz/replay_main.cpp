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
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
            inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    const fs::path workingDirectory = fs::current_path();
    int replayed = 0;
    for (const fs::path& input : inputs) {
        std::vector<uint8_t> bytes;
        platform::ReadFile(input.string(), bytes);
        std::printf("%s\n", input.filename().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        // libFuzzer reads the corpus folders of its command line again after the first
        // input, relative to the working directory.
        if (fs::current_path() != workingDirectory) {
            std::printf("the target changed the working directory to %s\n",
                        fs::current_path().c_str());
            return 1;
        }
        ++replayed;
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
