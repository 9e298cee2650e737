// Mesh file loading figures: parse throughput, a 200 000-face mesh, edge linking.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "scene/word_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A closed tube of `columns` × `rows` quads, two faces each, in the mesh file format.
std::string TubeFile(int columns, int rows) {
    std::string text =
        "TOTAL = 1\nMESH Tube\nMatID 0\nNumVerts " + std::to_string(columns * (rows + 1)) + "\n";
    char line[160];
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            std::snprintf(line, sizeof line, "%.4f %.4f %.4f %.4f %.4f 0.0000\n", c * 0.37,
                          r * 0.53, (c * 7 + r) % 11 * 0.1, c * 0.01, r * 0.02);
            text += line;
        }
    }
    text += "NumFace " + std::to_string(columns * rows * 2) + "\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int a = r * columns + c + 1, b = r * columns + (c + 1) % columns + 1;
            int d = a + columns, e = b + columns;
            std::snprintf(line, sizeof line,
                          "%d %d %d 0 0 1 0 1 1 0 0 1\n%d %d %d 0 0 1 1 0 1 0 0 1\n", a, b, e, a, e,
                          d);
            text += line;
        }
    }
    return text;
}

}  // namespace

int main() {
    char folder[] = "/tmp/torvane-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        return 1;
    }
    std::string path = std::string(folder) + "/tube.m3f";
    std::string text = TubeFile(400, 250);
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);

    Clock::time_point start = Clock::now();
    scene::WordReader in;
    in.Open(path);
    scene::Scene loaded;
    scene::ReadMeshFile(in, {}, scene::MaterialRemap(), loaded);
    double load = SecondsSince(start);
    scene::Mesh& mesh = loaded.meshes.at(0);

    start = Clock::now();
    scene::LinkNeighbours(mesh);
    double link = SecondsSince(start);
    double parse = load - link;

    std::printf("mesh file: %zu faces, %zu vertices, %.1f MB\n", mesh.faces.size(),
                mesh.vertices.size(), text.size() / 1e6);
    std::printf("mesh file load (read, convert, link): %.3f s\n", load);
    std::printf("mesh file parse throughput: %.1f MB/s\n", text.size() / 1e6 / parse);
    std::printf("LinkNeighbours on %zu faces: %.3f s (goal 0.1 s)\n", mesh.faces.size(), link);
    std::printf("assimp comparison: not built (libassimp-dev is not part of the setup yet)\n");
    std::remove(path.c_str());
    rmdir(folder);
    return 0;
}
