// The console variable table and the command interpreter.
#include "console/settings.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <vector>

#include "console/log.h"
#include "console/texts_1251.h"

namespace console {

Settings settings;

const ConsoleVariable variables[kVariableCount] = {
    {"help", kCommand, nullptr},
    {"display_Width", kInteger, &settings.display_Width},
    {"display_Height", kInteger, &settings.display_Height},
    {"display_Depth", kInteger, &settings.display_Depth},
    {"display_Fullscreen", kBool, &settings.display_Fullscreen},
    {"mouse_Sensitivity", kInteger, &settings.mouse_Sensitivity},
    {"mouse_FactorX", kFloat, &settings.mouse_FactorX},
    {"mouse_FactorY", kFloat, &settings.mouse_FactorY},
    {"camera_Speed", kFloat, &settings.camera_Speed},
    {"render_use_vertex_array_range", kBool, &settings.render_use_vertex_array_range},
    {"render_use_OGL_ext", kBool, &settings.render_use_OGL_ext},
    {"land_method", kInteger, &settings.land_method},
    {"render_WireFrame", kBool, &settings.render_WireFrame},
    {"land_draw_quads", kBool, &settings.land_draw_quads},
    {"land_node_min_size", kInteger, &settings.land_node_min_size},
    {"render_flush", kBool, &settings.render_flush},
    {"render_flush_count", kInteger, &settings.render_flush_count},
    {"render_one_object", kInteger, &settings.render_one_object},
};

namespace {

using Handler = void (*)(const std::string&);
const Handler handlers[kVariableCount] = {Help};

struct AddedCommand {
    const char* name;
    void (*run)(const std::string&);
};
std::vector<AddedCommand> addedCommands;

const AddedCommand* FindAddedCommand(const std::string& name) {
    for (const AddedCommand& command : addedCommands) {
        if (Upper(command.name) == Upper(name)) {
            return &command;
        }
    }
    return nullptr;
}

// Tokens are cut to what the interpreter's buffers hold.
constexpr size_t kTokenLimit = 99;

// The first `count` blank-separated tokens of `line`.
int SplitTokens(const std::string& line, std::string tokens[], int count) {
    int found = 0;
    size_t at = 0;
    while (found < count) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) {
            ++at;
        }
        if (at >= line.size()) {
            break;
        }
        size_t end = at;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) {
            ++end;
        }
        tokens[found++] = line.substr(at, std::min(end - at, kTokenLimit));
        at = end;
    }
    return found;
}

// Leading decimal digits as an integer, 0 when there are none; out-of-range values clamp.
int32_t ParseInteger(const std::string& text) {
    long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

void SetVariable(const ConsoleVariable& variable, const std::string& value) {
    switch (variable.type) {
        case kInteger:
            *static_cast<int32_t*>(variable.address) = ParseInteger(value);
            break;
        case kBool: {
            int32_t number = ParseInteger(value);
            if (number == 0 || number == 1) {
                *static_cast<bool*>(variable.address) = number == 1;
            }
            break;
        }
        case kFloat:
            *static_cast<float*>(variable.address) =
                static_cast<float>(std::strtod(value.c_str(), nullptr));
            break;
        case kCommand:
            break;
    }
}

std::string ValueText(const ConsoleVariable& variable) {
    switch (variable.type) {
        case kInteger:
            return IntToString(*static_cast<int32_t*>(variable.address));
        case kBool:
            return *static_cast<bool*>(variable.address) ? "1" : "0";
        case kFloat:
            return FloatToString(*static_cast<float*>(variable.address));
        case kCommand:
            break;
    }
    return "";
}

}  // namespace

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

int FindVariable(const std::string& name) {
    std::string wanted = Upper(name);
    for (int i = 0; i < kVariableCount; ++i) {
        if (Upper(variables[i].name) == wanted) {
            return i;
        }
    }
    return -1;
}

void Execute(const std::string& line) {
    std::string tokens[2];
    int count = SplitTokens(line, tokens, 2);
    if (count == 0) {
        return;
    }
    AddHistory(line);
    int index = FindVariable(tokens[0]);
    if (const AddedCommand* command = index < 0 ? FindAddedCommand(tokens[0]) : nullptr) {
        Print(line);
        command->run(count == 2 ? tokens[1] : "");
        return;
    }
    if (index < 0) {
        Print("Error! \"" + line + "\" is unknow command (" + cp1251::kUnknownCommand + ")");
        return;
    }
    const ConsoleVariable& variable = variables[index];
    if (count == 2) {
        SetVariable(variable, tokens[1]);
        Print(line);
    } else if (variable.type == kCommand) {
        handlers[index](line);
        Print(line);
    } else {
        Print(line + " " + ValueText(variable));
    }
}

void AddCommand(const char* name, void (*run)(const std::string&)) {
    if (FindVariable(name) < 0 && !FindAddedCommand(name)) {
        addedCommands.push_back({name, run});
    }
}

void Help(const std::string&) {
    const char* dashes = "-------------------------------------";
    Print(dashes);
    Print("Torvane 1.0");
    Print("Console help:");
    for (const ConsoleVariable& variable : variables) {
        Print(variable.name);
    }
    for (const AddedCommand& command : addedCommands) {
        Print(command.name);
    }
    Print(dashes);
}

}  // namespace console
