// Mesh file loading figures: parse throughput, a 200 000-face mesh, edge linking, and the same
// geometry as an OBJ file through assimp's importer when the benchmark is built with it.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#ifdef TORVANE_HAVE_ASSIMP
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <assimp/Importer.hpp>
#endif

#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "scene/word_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kColumns = 400;
constexpr int kRows = 250;
// Timed runs per loader in the side-by-side comparison; the fastest counts.
constexpr int kComparisonRuns = 3;

// The four texture corners of a quad, and which of them (one-based) each face corner takes.
constexpr float kTexture[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
constexpr int kCornerTexture[2][3] = {{1, 2, 3}, {1, 3, 4}};

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The fastest of `runs` calls of `work`, in seconds.
double Fastest(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        Clock::time_point start = Clock::now();
        work();
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

// Grid point (c, r) of the tube: position and normal, written the same way by both formats.
struct TubePoint {
    double position[3];
    double normal[3];
};

TubePoint PointAt(int c, int r) {
    return {{c * 0.37, r * 0.53, (c * 7 + r) % 11 * 0.1}, {c * 0.01, r * 0.02, 0.0}};
}

// Calls `visit(point)` for every grid point of the tube, row by row.
template <typename Visit>
void ForEachPoint(int columns, int rows, Visit visit) {
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            visit(PointAt(c, r));
        }
    }
}

// Calls `visit(corners, side)` for the two faces of every quad of the tube; `corners` are
// one-based point numbers and `side` (0 or 1) picks the face's row of kCornerTexture.
template <typename Visit>
void ForEachFace(int columns, int rows, Visit visit) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int a = r * columns + c + 1, b = r * columns + (c + 1) % columns + 1;
            int d = a + columns, e = b + columns;
            const int first[3] = {a, b, e}, second[3] = {a, e, d};
            visit(first, 0);
            visit(second, 1);
        }
    }
}

void Append(std::string& text, const char* format, const double (&value)[3]) {
    char line[96];
    std::snprintf(line, sizeof line, format, value[0], value[1], value[2]);
    text += line;
}

// A closed tube of `columns` × `rows` quads, two faces each, in the mesh file format.
std::string TubeFile(int columns, int rows) {
    std::string text =
        "TOTAL = 1\nMESH Tube\nMatID 0\nNumVerts " + std::to_string(columns * (rows + 1)) + "\n";
    ForEachPoint(columns, rows, [&](const TubePoint& point) {
        Append(text, "%.4f %.4f %.4f ", point.position);
        Append(text, "%.4f %.4f %.4f\n", point.normal);
    });
    text += "NumFace " + std::to_string(columns * rows * 2) + "\n";
    char line[160];
    ForEachFace(columns, rows, [&](const int(&corner)[3], int side) {
        const float* t[3];
        for (int k = 0; k < 3; ++k) {
            t[k] = kTexture[kCornerTexture[side][k] - 1];
        }
        std::snprintf(line, sizeof line, "%d %d %d %g %g %g %g %g %g 0 0 1\n", corner[0], corner[1],
                      corner[2], t[0][0], t[0][1], t[1][0], t[1][1], t[2][0], t[2][1]);
        text += line;
    });
    return text;
}

// The same tube as a Wavefront OBJ file: positions, normals, texture coordinates, faces.
std::string TubeObjFile(int columns, int rows) {
    std::string text = "o Tube\n";
    ForEachPoint(columns, rows, [&](const TubePoint& point) {
        Append(text, "v %.4f %.4f %.4f\n", point.position);
        Append(text, "vn %.4f %.4f %.4f\n", point.normal);
    });
    for (const float* t : kTexture) {
        text += "vt " + std::to_string(t[0]) + " " + std::to_string(t[1]) + "\n";
    }
    char line[160];
    ForEachFace(columns, rows, [&](const int(&corner)[3], int side) {
        const int* t = kCornerTexture[side];
        std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", corner[0], t[0],
                      corner[0], corner[1], t[1], corner[1], corner[2], t[2], corner[2]);
        text += line;
    });
    return text;
}

void WriteFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

void LoadMeshFile(const std::string& path, scene::Scene& loaded) {
    scene::WordReader in;
    in.Open(path);
    scene::ReadMeshFile(in, {}, scene::MaterialRemap(), loaded);
}

#ifdef TORVANE_HAVE_ASSIMP
// The flags a loader of indexed triangle meshes would pass.
constexpr unsigned kAssimpFlags = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices;

// Times assimp's import of `objPath` against our load of `meshPath`, the same geometry.
void CompareWithAssimp(const std::string& meshPath, const std::string& objPath) {
    size_t faces = 0, vertices = 0;
    double theirs = Fastest(kComparisonRuns, [&] {
        Assimp::Importer importer;
        const aiScene* imported = importer.ReadFile(objPath, kAssimpFlags);
        faces = vertices = 0;
        for (unsigned i = 0; imported && i < imported->mNumMeshes; ++i) {
            faces += imported->mMeshes[i]->mNumFaces;
            vertices += imported->mMeshes[i]->mNumVertices;
        }
        if (!imported) {
            std::printf("assimp import failed: %s\n", importer.GetErrorString());
        }
    });
    double ours = Fastest(kComparisonRuns, [&] {
        scene::Scene loaded;
        LoadMeshFile(meshPath, loaded);
    });
    double bare = Fastest(1, [&] {
        Assimp::Importer importer;
        importer.ReadFile(objPath, 0);
    });
    std::printf("assimp flags: aiProcess_Triangulate | aiProcess_JoinIdenticalVertices\n");
    std::printf("assimp OBJ import: %zu faces, %zu vertices, %.3f s (fastest of %d)\n", faces,
                vertices, theirs, kComparisonRuns);
    std::printf("assimp OBJ import without post-processing: %.3f s\n", bare);
    std::printf(
        "our mesh file load, same geometry, with face normals and edge links: %.3f s "
        "(fastest of %d)\n",
        ours, kComparisonRuns);
    std::printf("assimp / ours: %.2fx (goal: ours at least 2x faster)\n", theirs / ours);
}
#else
void CompareWithAssimp(const std::string&, const std::string&) {
    std::printf("assimp comparison: skipped (assimp was not found when the build was set up)\n");
}
#endif

}  // namespace

int main() {
    char folder[] = "/tmp/torvane-bench-XXXXXX";
    if (!mkdtemp(folder)) {
        return 1;
    }
    std::string path = std::string(folder) + "/tube.m3f";
    std::string objPath = std::string(folder) + "/tube.obj";
    std::string text = TubeFile(kColumns, kRows);
    std::string obj = TubeObjFile(kColumns, kRows);
    WriteFile(path, text);
    WriteFile(objPath, obj);

    Clock::time_point start = Clock::now();
    scene::Scene loaded;
    LoadMeshFile(path, loaded);
    double load = SecondsSince(start);
    scene::Mesh& mesh = loaded.meshes.at(0);

    start = Clock::now();
    scene::LinkNeighbours(mesh);
    double link = SecondsSince(start);
    double parse = load - link;

    std::printf("mesh file: %zu faces, %zu vertices, %.1f MB (OBJ of the same: %.1f MB)\n",
                mesh.faces.size(), mesh.vertices.size(), text.size() / 1e6, obj.size() / 1e6);
    std::printf("mesh file load (read, convert, link): %.3f s\n", load);
    std::printf("mesh file parse throughput: %.1f MB/s\n", text.size() / 1e6 / parse);
    std::printf("LinkNeighbours on %zu faces: %.3f s (goal 0.1 s)\n", mesh.faces.size(), link);
    CompareWithAssimp(path, objPath);
    std::remove(path.c_str());
    std::remove(objPath.c_str());
    rmdir(folder);
    return 0;
}
