// torvane-data OUTDIR [--contact-sheet FILE.png]: writes the folder that torvane plays.
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

#include "tools/common/png_writer.h"
#include "tools/common/prerequisites.h"
#include "tools/data/contact_sheet.h"
#include "tools/data/content_folder.h"
#include "tools/data/generators.h"

namespace {

constexpr const char* kUsage = "usage: torvane-data OUTDIR [--contact-sheet FILE.png]\n";

void WriteContactSheet(const std::string& path) {
    std::vector<uint8_t> png = tools::data::EncodePng(tools::data::BuildContactSheet());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
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
    try {
        tools::data::RequireAll();
        tools::data::ContentFolder folder(outdir, stdout);
        tools::data::WriteAllContent(folder, stdout);
        std::printf("%d files, %.1f MB in %s\n", folder.filesWritten(),
                    static_cast<double>(folder.bytesWritten()) / 1e6, outdir.c_str());
        if (!contactSheet.empty()) {
            WriteContactSheet(contactSheet);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvane-data: error: %s\n", error.what());
        return 1;
    }
    return 0;
}
