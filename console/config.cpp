// Reading Torvane.cfg into the console variables.
#include "console/config.h"

#include "console/log.h"
#include "console/settings.h"
#include "platform/files.h"

namespace console {

bool ReadConfigLine(FILE* file, std::string& line) {
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) {
        return false;
    }
    bool inBlanks = false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (c == '\r') {
            int next = std::fgetc(file);
            if (next == '\n' || next == EOF) {
                break;
            }
            std::ungetc(next, file);
        }
        bool blank = c == ' ' || c == '\t';
        if (blank && inBlanks) {
            continue;
        }
        inBlanks = blank;
        line += blank ? ' ' : static_cast<char>(c);
    }
    return true;
}

void LoadConfig(const std::string& fileName) {
    FILE* file = platform::OpenFile(fileName, "r");
    if (!file) {
        Print("Config file not found, let's start with default settings...");
        return;
    }
    std::string line;
    while (ReadConfigLine(file, line)) {
        bool comment = (!line.empty() && line[0] == '/') || (line.size() > 1 && line[1] == '/');
        if (!comment && !line.empty()) {
            Execute(line);
        }
    }
    std::fclose(file);
}

}  // namespace console
