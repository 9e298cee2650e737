// The material and mesh text formats, written word for word as the scene readers expect.
#include "tools/data/geometry/scene_writer.h"

#include <cstdio>
#include <stdexcept>

#include "scene/coordinates.h"

namespace tools::data {
namespace {

// Seven significant digits: finer than anything the scenes place, and short.
std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return text;
}

std::string Color(const char* keyword, int r, int g, int b) {
    return std::string(keyword) + " Color = " + std::to_string(r) + " " + std::to_string(g) + " " +
           std::to_string(b) + " 255\n";
}

std::string MapSection(const char* keyword, const std::string& file, int amount) {
    return std::string(keyword) + " MAP = " + (file.empty() ? "NONE" : file) + "\nAmount " +
           std::to_string(amount) + "\n";
}

std::string MaterialEntry(int32_t id, const MaterialDraft& m) {
    const auto& c = m.color;
    return "MaterialID = " + std::to_string(id) + "\nMATERIAL NAME = " + m.name +
           "\nShader Type = " + m.shader + "\n" + Color("Wire", c[0], c[1], c[2]) +
           Color("Ambient", c[0], c[1], c[2]) + Color("Diffuse", c[0], c[1], c[2]) +
           Color("Specular", m.specular, m.specular, m.specular) +
           "Self-illumination = " + Number(m.selfIllumination) +
           "\nOpacity = " + Number(m.opacity) + "\nSpecular level = " + Number(m.specularLevel) +
           "\nGlossiness = " + Number(m.glossiness) + "\n" +
           MapSection("DIFFUSE", m.diffuseMap, 100) + MapSection("OPACITY", m.opacityMap, 100) +
           MapSection("BUMP", "", 100) + MapSection("REFLECTION", m.reflectionMap, 100) +
           MapSection("REFRACTION", "", 100);
}

// World coordinates back to the file's: the inverse of the reader's placement. The axis
// turn (x negated, y and z exchanged) is its own inverse.
class FileSpace {
public:
    explicit FileSpace(const scene::Placement& placement)
        : offset_(placement.offset), scale_(placement.scale) {}

    Vector Position(const Vector& p) const {
        Vector local = p - offset_;
        return scene::SwapAxes(local.x / scale_, local.y / scale_, local.z / scale_);
    }
    static Vector Normal(const Vector& n) { return scene::SwapAxes(n.x, n.y, n.z); }

private:
    Vector offset_;
    float scale_;
};

// The face's corners in file order: the reader takes (c - a) x (b - a) as the normal, so
// a face counter-clockwise seen from its front is written a, c, b.
std::string FaceLine(const MeshData& mesh, const MeshFace& face) {
    const size_t order[3] = {0, 2, 1};
    std::string line;
    for (size_t k : order) {
        line += std::to_string(face.index[k] + 1) + " ";
    }
    for (size_t k : order) {
        line += NumberWords({face.u[k], face.v[k]}) + " ";
    }
    auto corner = [&](size_t k) { return mesh.vertices[size_t(face.index[k])].position; };
    Vector normal = FileSpace::Normal(Unit((corner(1) - corner(0)).Cross(corner(2) - corner(0))));
    return line + NumberWords({normal.x, normal.y, normal.z}) + "\n";
}

std::string MeshBlock(const FileSpace& space, const ObjectDraft& object) {
    std::string text = "MESH " + object.name + "\nMatID " + std::to_string(object.material) +
                       "\nNumVerts " + std::to_string(object.mesh.vertices.size()) + "\n";
    for (const MeshVertex& vertex : object.mesh.vertices) {
        Vector p = space.Position(vertex.position);
        Vector n = FileSpace::Normal(vertex.normal);
        text += NumberWords({p.x, p.y, p.z, n.x, n.y, n.z}) + "\n";
    }
    text += "NumFace " + std::to_string(object.mesh.faces.size()) + "\n";
    for (const MeshFace& face : object.mesh.faces) {
        text += FaceLine(object.mesh, face);
    }
    return text;
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

std::string NumberWords(std::initializer_list<float> values) {
    std::string line;
    for (float value : values) {
        line += (line.empty() ? "" : " ") + Number(value);
    }
    return line;
}

std::string SharedTexture(const std::string& fileName) {
    return "..\\Textures\\" + fileName;
}

int32_t SceneDraft::AddMaterial(const MaterialDraft& material) {
    materials.push_back(material);
    return static_cast<int32_t>(materials.size()) - 1;
}

void SceneDraft::AddObject(const std::string& name, int32_t material, MeshData mesh) {
    if (name.find_first_of(" \t\n") != std::string::npos) {
        throw std::invalid_argument("object name with a blank: " + name);
    }
    objects.push_back({name, material, std::move(mesh)});
}

const ObjectDraft* SceneDraft::Find(const std::string& name) const {
    for (const ObjectDraft& object : objects) {
        if (object.name == name) {
            return &object;
        }
    }
    return nullptr;
}

std::string MaterialFileText(const SceneDraft& scene) {
    std::string text = "MATERIAL COUNT " + std::to_string(scene.materials.size()) + "\n";
    for (size_t i = 0; i < scene.materials.size(); ++i) {
        text += MaterialEntry(static_cast<int32_t>(i), scene.materials[i]);
    }
    return text;
}

std::string MeshFileText(const SceneDraft& scene) {
    FileSpace space(scene.placement);
    std::string text = "TOTAL = " + std::to_string(scene.objects.size()) + "\n";
    for (const ObjectDraft& object : scene.objects) {
        text += MeshBlock(space, object);
    }
    return text;
}

void WriteScene(ContentFolder& folder, const SceneDraft& scene) {
    folder.Write(scene.basePath + ".m3m", Bytes(MaterialFileText(scene)));
    folder.Write(scene.basePath + ".m3f", Bytes(MeshFileText(scene)));
}

}  // namespace tools::data
