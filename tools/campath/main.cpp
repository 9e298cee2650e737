// torvane-campath: camera paths to CSV and back, a plot of the route, a check of its length
// and jumps.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/main_loop.h"
#include "console/settings.h"
#include "tools/campath/path_check.h"
#include "tools/campath/path_file.h"
#include "tools/campath/route_plot.h"
#include "tools/common/png_writer.h"
#include "tools/common/whole_file.h"

// The schedule comes with the engine, which is built for one camera mode per program.
const int console::cameraMode = 2;

namespace {

using namespace tools::campath;

constexpr const char* kUsage =
    "usage: torvane-campath dump FILE.vcp            print the keys as CSV\n"
    "       torvane-campath build FILE.csv OUT.vcp   write CSV keys as a camera path\n"
    "       torvane-campath plot FILE.vcp OUT.png [--jump D]   draw the route from above\n"
    "       torvane-campath check FILE.vcp [--jump D]          key count, length, jumps\n"
    "A jump is a step between neighbouring keys longer than D units (default 500).\n";

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error(path + ": cannot be opened");
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The value of a trailing "--jump D", or the default.
float JumpLimit(int argc, char** argv, int first) {
    if (argc == first) {
        return kDefaultJumpLimit;
    }
    char* end = nullptr;
    float limit = argc == first + 2 && std::string(argv[first]) == "--jump"
                      ? std::strtof(argv[first + 1], &end)
                      : -1.0f;
    if (end == nullptr || *end != '\0' || limit <= 0) {
        throw std::invalid_argument("expected --jump and a positive distance");
    }
    return limit;
}

int Run(int argc, char** argv) {
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "dump" && argc == 3) {
        std::fputs(PathCsv(ReadPathFile(argv[2])).c_str(), stdout);
        return 0;
    }
    if (command == "build" && argc == 4) {
        std::vector<CameraKey> keys;
        try {
            keys = ParsePathCsv(ReadText(argv[2]));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(std::string(argv[2]) + ": " + error.what());
        }
        WritePathFile(argv[3], keys);
        std::printf("%s: %zu keys\n", argv[3], keys.size());
        return 0;
    }
    if (command == "plot" && argc >= 4) {
        tools::data::WriteWholeFile(argv[3], tools::data::EncodePng(PlotRoute(
                                                 ReadPathFile(argv[2]), JumpLimit(argc, argv, 4))));
        return 0;
    }
    if (command == "check" && argc >= 3) {
        PathReport report = CheckPath(ReadPathFile(argv[2]), JumpLimit(argc, argv, 3));
        std::fputs(ReportText(report).c_str(), stdout);
        return report.LongEnough() ? 0 : 1;
    }
    std::fputs(kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-campath: %s\n", error.what());
        return 1;
    }
}
