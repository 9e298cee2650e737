// Console variables: the settings record, the table that names its fields, and the
// command interpreter that the configuration file and the console's input line share.
#pragma once

#include <cstdint>
#include <string>

namespace console {

struct Settings {
    virtual ~Settings() = default;

    int32_t display_Width = 640;
    int32_t display_Height = 480;
    int32_t display_Depth = 32;
    bool display_Fullscreen = false;
    bool render_use_vertex_array_range = false;
    bool render_use_OGL_ext = false;
    bool render_WireFrame = false;
    bool land_draw_quads = false;
    bool render_flush = false;
    int32_t mouse_Sensitivity = 2;
    int32_t land_method = 1;
    int32_t land_node_min_size = 0;
    int32_t unnamed[3] = {0, 0, 0};  // fields without a console name, never changed
    int32_t render_flush_count = 300;
    int32_t render_one_object = -1;
    float mouse_FactorX = 0.22f;
    float mouse_FactorY = -0.22f;
    float camera_Speed = 10.0f;
};

extern Settings settings;

// The program variant: 1 records the camera path (free camera and console), 2 plays it
// back. Each program's entry point defines it; nothing changes it at run time.
extern const int cameraMode;

enum VariableType : int { kInteger = 0, kBool = 1, kFloat = 2, kCommand = 3 };

struct ConsoleVariable {
    const char* name;
    VariableType type;
    void* address;
};

constexpr int kVariableCount = 18;
extern const ConsoleVariable variables[kVariableCount];

// `text` in capitals: names are compared and completed regardless of letter case.
std::string Upper(std::string text);
// Index of `name` in the table ignoring letter case, or -1.
int FindVariable(const std::string& name);
void Execute(const std::string& line);
// Adds a command of the program's own, run with the word after its name ("" for none).
// A name already taken is left as it is.
void AddCommand(const char* name, void (*run)(const std::string& argument));
void Help(const std::string& line);

}  // namespace console
