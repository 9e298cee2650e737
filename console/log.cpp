// The log file and the console's line buffer.
#include "console/log.h"

#include <cstdio>

#include "console/settings.h"
#include "platform/files.h"
#include "platform/page.h"
#include "platform/text_line.h"

namespace console {

Console console;

void StartLog(const std::string& fileName) {
    console.open = true;
    console.logFileName = fileName;
    if (FILE* file = platform::OpenFile(fileName, "w")) {
        std::fclose(file);
    }
    AddLine("Torvane 1.0 started...");
    AddLine("Console started...");
}

void AddLine(const std::string& text) {
    console.lines.push_back(text);
    WriteLog(text);
}

// A log that cannot be written is skipped silently: there is nowhere to report it.
void WriteLog(const std::string& text) {
    if (console.logFileName.empty()) {
        return;
    }
    platform::ShowLogLine(text);
    // Written as bytes with the host's line ends, not through a C library's text mode.
    FILE* file = platform::OpenFile(console.logFileName, "ab");
    if (!file) {
        return;
    }
    const std::string line = platform::TextLine(text, platform::kHostLineEnds);
    std::fwrite(line.data(), 1, line.size(), file);
    std::fclose(file);
}

void Print(const std::string& text) {
    WriteLog(text);
    int width = settings.display_Width / 8;
    if (width > 0) {
        for (size_t at = 0; at < text.size(); at += static_cast<size_t>(width)) {
            console.lines.push_back(text.substr(at, static_cast<size_t>(width)));
        }
    }
    if (console.followTail) {
        console.viewLine = static_cast<int>(console.lines.size()) - 1;
    }
}

void Print(const char* text) {
    Print(std::string(text));
}

void AddHistory(const std::string& line) {
    console.history.push_back(line);
    console.historyIndex = static_cast<int>(console.history.size());
}

std::string IntToString(int value) {
    return std::to_string(value);
}

std::string FloatToString(float value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(value));
    return buffer;
}

}  // namespace console
