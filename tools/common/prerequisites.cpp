// Finds and runs the external programs and fonts that generation depends on.
#include "tools/common/prerequisites.h"

#include <filesystem>
#include <stdexcept>

#include "platform/process.h"

namespace tools::data {
namespace {

constexpr const char* kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

std::runtime_error Missing(const std::string& what, const char* package) {
    return std::runtime_error(what + " is missing; install the Debian package " + package +
                              " (scripts/setup.sh installs everything)");
}

}  // namespace

std::string DejaVuFontPath(const std::string& fileName) {
    return kDejaVuFolder + fileName;
}

void RequireTool(const ExternalTool& tool) {
    if (!platform::ProgramOnPath(tool.program)) {
        throw Missing(std::string("the program ") + tool.program, tool.package);
    }
}

void RequireFont(const std::string& fileName) {
    if (!std::filesystem::is_regular_file(DejaVuFontPath(fileName))) {
        throw Missing("the font file " + DejaVuFontPath(fileName), "fonts-dejavu-core");
    }
}

void RequireAll() {
    RequireTool(kEspeak);
    RequireTool(kLame);
    for (const char* font : {kSansBold, kSans, kSerif, kSerifItalic}) {
        RequireFont(font);
    }
}

void RunTool(const ExternalTool& tool, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{tool.program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    platform::ProgramExit exit = platform::RunProgram(words);
    if (exit.notFound) {
        throw Missing(std::string("the program ") + tool.program, tool.package);
    }
    if (!exit.started) {
        throw std::runtime_error(std::string("cannot start ") + tool.program + ": " + exit.error);
    }
    if (exit.status != 0) {
        throw std::runtime_error(std::string(tool.program) + " failed (status " +
                                 std::to_string(exit.status) + ")");
    }
}

}  // namespace tools::data
