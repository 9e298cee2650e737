// Writes a scene's material file (.m3m) and mesh file (.m3f) from meshes built in the
// world's coordinates: the writer undoes the loader's scale, offset and axis turn.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "scene/mesh_file.h"
#include "tools/data/content_folder.h"
#include "tools/data/geometry/mesh_data.h"

namespace tools::data {

struct MaterialDraft {
    explicit MaterialDraft(std::string name) : name(std::move(name)) {}

    std::string name;              // one table serves all scenes: the first material of a name wins
    std::string shader = "Blinn";  // "Leaf" turns on the alpha test
    std::array<int, 3> color{200, 200, 200};  // ambient and diffuse, 0..255
    int specular = 40;                        // grey level of the highlight, 0..255
    float glossiness = 20;
    float specularLevel = 100;   // percent
    float selfIllumination = 0;  // 0..1, added to the lit colour
    float opacity = 100;         // percent
    std::string diffuseMap;      // file word relative to the scene's folder; empty for none
    std::string opacityMap;
    std::string reflectionMap;  // drawn as a sphere map
};

// The file word for one of the shared textures in Data\Textures.
std::string SharedTexture(const std::string& fileName);

struct ObjectDraft {
    std::string name;  // no blanks: the mesh file keeps it as one word
    int32_t material;  // index into the scene's materials
    MeshData mesh;     // world coordinates, as the engine will hold them
};

struct SceneDraft {
    std::string basePath;        // as the loader names it, e.g. "Data\\Hall\\Hall"
    scene::Placement placement;  // the scale and offset the loader applies
    std::vector<MaterialDraft> materials;
    std::vector<ObjectDraft> objects;

    int32_t AddMaterial(const MaterialDraft& material);
    void AddObject(const std::string& name, int32_t material, MeshData mesh);
    const ObjectDraft* Find(const std::string& name) const;
};

// Numbers as the scene files hold them, blank-separated, seven significant digits.
std::string NumberWords(std::initializer_list<float> values);

std::string MaterialFileText(const SceneDraft& scene);
std::string MeshFileText(const SceneDraft& scene);
// Both files, under the scene's base path.
void WriteScene(ContentFolder& folder, const SceneDraft& scene);

}  // namespace tools::data
