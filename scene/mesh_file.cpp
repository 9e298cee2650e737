// Reading the mesh file.
#include "scene/mesh_file.h"

#include "console/log.h"
#include "scene/coordinates.h"
#include "scene/material.h"
#include "scene/scene.h"

namespace scene {
namespace {

using console::IntToString;
using console::Print;

// Words of the smallest possible records, for sizing ahead no more than the file holds.
constexpr int64_t kVertexWords = 6;
constexpr int64_t kFaceWords = 12;

int32_t ReadMaterial(WordReader& in, const MaterialRemap& remap, const std::string& mesh) {
    if (!(in.SkipTo("MatID") && in.Next())) {
        return -1;
    }
    int32_t id = WordToInt(in.Word());
    int32_t index = remap.Find(id);
    if (remap.Exists() && index < 0) {
        Print("Mesh " + mesh + " in " + in.Path() + ": material number " + IntToString(id) +
              " names no material");
    }
    return index;
}

// The count after `keyword`; false when the file ends before it.
bool ReadCount(WordReader& in, const char* keyword, int32_t& count) {
    if (!(in.SkipTo(keyword) && in.Next())) {
        return false;
    }
    count = WordToInt(in.Word());
    return true;
}

// Up to the count of vertex records, fewer when the file ends first; false when the
// count is missing.
bool ReadVertices(WordReader& in, const Placement& placement, Mesh& mesh) {
    int32_t count = 0;
    if (!ReadCount(in, "NumVerts", count)) {
        return false;
    }
    mesh.vertices.reserve(in.RecordsThatFit(count, kVertexWords));
    Vector color = MaterialAt(mesh.materialIndex).diffuse;
    for (int32_t i = 0; i < count; ++i) {
        Vertex vertex;
        float x = in.ReadFloat(), y = in.ReadFloat(), z = in.ReadFloat();
        vertex.position = FilePosition(x, y, z, placement.scale, placement.offset);
        float nx = in.ReadFloat(), ny = in.ReadFloat(), nz = in.ReadFloat();
        if (in.AtEnd()) {
            break;
        }
        vertex.normal = FileNormal(nx, ny, nz);
        vertex.color = color;
        mesh.vertices.push_back(vertex);
    }
    return true;
}

Vector FaceNormal(const Mesh& mesh, const Face& face) {
    const Vector& a = mesh.vertices[static_cast<size_t>(face.index[0])].position;
    const Vector& b = mesh.vertices[static_cast<size_t>(face.index[1])].position;
    const Vector& c = mesh.vertices[static_cast<size_t>(face.index[2])].position;
    Vector n = (c - a).Cross(b - a);
    n.Normalize();
    return n;
}

// One face record into `face`; false when a corner names no vertex of the mesh.
bool ReadFace(WordReader& in, const Mesh& mesh, Face& face) {
    bool valid = true;
    for (int32_t& index : face.index) {
        index = in.ReadInt() - 1;
        valid = valid && index >= 0 && static_cast<size_t>(index) < mesh.vertices.size();
    }
    for (int k = 0; k < 3; ++k) {
        face.u[k] = in.ReadFloat();
        face.v[k] = in.ReadFloat();
    }
    for (int k = 0; k < 3; ++k) {
        in.Next();
    }
    return valid;
}

// Up to the count of face records, fewer when the file ends first; false when the count
// is missing.
bool ReadFaces(WordReader& in, Mesh& mesh) {
    int32_t count = 0;
    if (!ReadCount(in, "NumFace", count)) {
        return false;
    }
    mesh.faces.reserve(in.RecordsThatFit(count, kFaceWords));
    int32_t dropped = 0;
    for (int32_t i = 0; i < count; ++i) {
        Face face;
        bool valid = ReadFace(in, mesh, face);
        if (in.AtEnd()) {
            break;
        }
        if (!valid) {
            ++dropped;
            continue;
        }
        face.normal = FaceNormal(mesh, face);
        mesh.faces.push_back(face);
    }
    if (dropped > 0) {
        Print("Mesh " + mesh.name + " in " + in.Path() + ": " + IntToString(dropped) +
              " faces with vertex numbers outside 1.." +
              IntToString(int32_t(mesh.vertices.size())) + " dropped");
    }
    return true;
}

// One block; false when the file has nothing more to read.
bool ReadMesh(WordReader& in, const Placement& placement, const MaterialRemap& remap,
              Scene& scene) {
    if (!(in.SkipTo("MESH") && in.Next())) {
        return false;
    }
    scene.meshes.emplace_back();
    Mesh& mesh = scene.meshes.back();
    mesh.name = std::string(in.Word());
    scene.objects.emplace_back();
    scene.objects.back().meshIndex = static_cast<int32_t>(scene.meshes.size()) - 1;
    scene.objects.back().name = mesh.name;
    mesh.materialIndex = ReadMaterial(in, remap, mesh.name);
    bool complete = ReadVertices(in, placement, mesh) && ReadFaces(in, mesh);
    LinkNeighbours(mesh);
    return complete && !in.AtEnd();
}

}  // namespace

void ReadMeshFile(WordReader& in, const Placement& placement, const MaterialRemap& remap,
                  Scene& scene) {
    int32_t count = 0;
    if (in.SkipTo("TOTAL") && in.Next() && in.Next()) {
        count = WordToInt(in.Word());
    }
    for (int32_t i = 0; i < count; ++i) {
        if (!ReadMesh(in, placement, remap, scene)) {
            return;
        }
    }
}

}  // namespace scene
