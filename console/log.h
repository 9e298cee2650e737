// The console object and the one output path for messages: every line goes to the
// log file (opened and closed per line) and, cut to the screen width, to the console.
#pragma once

#include <string>
#include <vector>

namespace console {

class Console {
public:
    virtual ~Console() = default;

    // Log
    std::string logFileName;
    std::vector<std::string> lines;
    int viewLine = 0;
    bool followTail = true;

    // Screen and input line
    bool open = true;
    float height = 480.0f;
    float slideSpeed = 400.0f;
    std::string input;
    std::vector<std::string> history;
    int historyIndex = 0;
};

extern Console console;

void StartLog(const std::string& fileName);
void AddLine(const std::string& text);
void WriteLog(const std::string& text);
void Print(const std::string& text);
void Print(const char* text);
void AddHistory(const std::string& line);

std::string IntToString(int value);
std::string FloatToString(float value);

}  // namespace console
