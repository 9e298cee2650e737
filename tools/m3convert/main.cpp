// m3convert: converts a model file of any format assimp reads into the engine's scene files,
// optionally with a preview picture drawn by the engine.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_loop.h"
#include "console/settings.h"
#include "tools/common/png_writer.h"
#include "tools/common/whole_file.h"
#include "tools/m3convert/conversion.h"
#include "tools/m3convert/preview.h"

// The engine comes with the camera mode of the playback program.
const int console::cameraMode = 2;

namespace {

using namespace tools::m3convert;

constexpr const char* kUsage =
    "usage: m3convert INPUT BASEPATH [--scale S] [--preview FILE.png]\n"
    "Writes BASEPATH.m3m and BASEPATH.m3f (and BASEPATH.m3vba0, .m3vba, .m3vw for a\n"
    "skinned model), with the model's textures beside them as TGA files.\n";

struct Options {
    ConvertRequest request;
    std::string previewPath;
};

bool Parse(int argc, char** argv, Options& options) {
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool hasValue = i + 1 < argc;
        if (word == "--scale" && hasValue) {
            char* end = nullptr;
            options.request.scale = std::strtof(argv[++i], &end);
            if (*end != '\0' || !(options.request.scale > 0)) {
                return false;
            }
        } else if (word == "--preview" && hasValue) {
            options.previewPath = argv[++i];
        } else if (word.rfind("--", 0) == 0) {
            return false;
        } else {
            plain.push_back(word);
        }
    }
    if (plain.size() != 2) {
        return false;
    }
    options.request.input = plain[0];
    options.request.basePath = plain[1];
    return true;
}

void Warn(const Options& options, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        std::fprintf(stderr, "m3convert: warning: %s: %s\n", options.request.input.c_str(),
                     warning.c_str());
    }
}

void WritePreview(const Options& options, const Model& model) {
    std::vector<std::string> warnings;
    std::vector<uint8_t> png =
        tools::data::EncodePng(DrawPreview(PreviewOf(options.request.basePath, model), warnings));
    Warn(options, warnings);
    try {
        tools::data::WriteWholeFile(options.previewPath, png);
    } catch (const std::runtime_error& error) {
        throw ConvertError(error.what());
    }
    std::printf("%s: preview\n", options.previewPath.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        Model model = ConvertModel(options.request);
        Warn(options, model.warnings);
        std::fputs(Summary(options.request, model).c_str(), stdout);
        if (!options.previewPath.empty()) {
            WritePreview(options, model);
        }
    } catch (const ConvertError& error) {
        std::fprintf(stderr, "m3convert: %s\n", error.what());
        return 1;
    }
    return 0;
}
