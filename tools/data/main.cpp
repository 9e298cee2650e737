// torvane-data OUTDIR [--contact-sheet FILE.png]: writes the folder that torvane plays.
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

#include "tools/common/png_writer.h"
#include "tools/common/prerequisites.h"
#include "tools/common/whole_file.h"
#include "tools/data/contact_sheet.h"
#include "tools/data/content_folder.h"
#include "tools/data/generators.h"

namespace {

constexpr const char* kUsage = "usage: torvane-data OUTDIR [--contact-sheet FILE.png]\n";

void WriteContactSheet(const std::string& path) {
    tools::data::WriteWholeFile(path, tools::data::EncodePng(tools::data::BuildContactSheet()));
    std::printf("contact sheet: %s\n", path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::string outdir;
    std::string contactSheet;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc) {
            contactSheet = argv[++i];
        } else if (outdir.empty() && argv[i][0] != '-') {
            outdir = argv[i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (outdir.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::optional<tools::data::ContentFolder> folder;
    try {
        tools::data::RequireAll();
        folder.emplace(outdir, stdout);
        tools::data::WriteAllContent(*folder, stdout);
        std::printf("%d files, %.1f MB in %s\n", folder->filesWritten(),
                    static_cast<double>(folder->bytesWritten()) / 1e6, outdir.c_str());
        if (!contactSheet.empty()) {
            WriteContactSheet(contactSheet);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-data: error: %s\n", error.what());
        if (folder) {
            std::fprintf(stderr, "torvane-data: %d files written to %s; the rest not\n",
                         folder->filesWritten(), outdir.c_str());
        }
        return 1;
    }
    return 0;
}
