// The programs and font files that generation needs from Debian packages.
#pragma once

#include <string>
#include <vector>

namespace tools::data {

struct ExternalTool {
    const char* program;
    const char* package;
};

inline constexpr ExternalTool kEspeak{"espeak-ng", "espeak-ng"};
inline constexpr ExternalTool kLame{"lame", "lame"};

// The DejaVu fonts that text is set in.
inline constexpr const char* kSansBold = "DejaVuSans-Bold.ttf";
inline constexpr const char* kSans = "DejaVuSans.ttf";
inline constexpr const char* kSerif = "DejaVuSerif.ttf";
inline constexpr const char* kSerifItalic = "DejaVuSerif-Italic.ttf";

// A DejaVu font file by its file name, e.g. "DejaVuSans-Bold.ttf".
std::string DejaVuFontPath(const std::string& fileName);

// Throws with the package to install when a program or font is missing.
void RequireTool(const ExternalTool& tool);
void RequireFont(const std::string& fileName);
// Checks every program and font above, so a missing package stops the run before any
// file is written.
void RequireAll();

// Runs `tool` with `arguments` (standard output discarded) and throws when it cannot be
// started or does not exit with status 0.
void RunTool(const ExternalTool& tool, const std::vector<std::string>& arguments);

}  // namespace tools::data
