// Reading assimp's material keys into material drafts.
#include "tools/m3convert/material_import.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "tools/m3convert/texture_import.h"

namespace tools::m3convert {
namespace {

// The OpenGL shininess exponent stops at 128.
constexpr float kMaxGlossiness = 128.0f;
// Below one percent a material leaves no visible trace.
constexpr float kInvisibleOpacity = 1.0f;

int Byte(float channel) {
    return static_cast<int>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

float Key(const aiMaterial& material, const char* key, unsigned type, unsigned index,
          float fallback) {
    float value = fallback;
    material.Get(key, type, index, value);
    return value;
}

// A material name stays on one line: the reader takes the rest of the line.
std::string OneLine(const std::string& name) {
    std::string line = name;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line;
}

}  // namespace

MaterialImport::MaterialImport(const aiScene& source, const std::string& modelPath,
                               const std::string& textureStem, Model& model)
    : source_(source),
      folder_(std::filesystem::path(modelPath).parent_path().string()),
      textureStem_(textureStem),
      model_(model) {}

int32_t MaterialImport::Use(unsigned index) {
    auto known = drafts_.find(index);
    if (known != drafts_.end()) {
        return known->second;
    }
    int32_t draft = model_.scene.AddMaterial(Convert(*source_.mMaterials[index]));
    drafts_[index] = draft;
    return draft;
}

tools::data::MaterialDraft MaterialImport::Convert(const aiMaterial& material) {
    std::string name = OneLine(material.GetName().C_Str());
    if (name.empty() || names_.count(name) != 0) {
        name = (name.empty() ? "Material" : name) + " " + std::to_string(names_.size() + 1);
    }
    names_.insert(name);
    tools::data::MaterialDraft draft(name);
    aiColor4D diffuse(1, 1, 1, 1), specular(0, 0, 0, 1);
    material.Get(AI_MATKEY_COLOR_DIFFUSE, diffuse);
    material.Get(AI_MATKEY_COLOR_SPECULAR, specular);
    draft.color = {Byte(diffuse.r), Byte(diffuse.g), Byte(diffuse.b)};
    draft.specular = Byte(std::max({specular.r, specular.g, specular.b}));
    draft.glossiness = std::clamp(Key(material, AI_MATKEY_SHININESS, 0.0f), 0.0f, kMaxGlossiness);
    draft.specularLevel = Key(material, AI_MATKEY_SHININESS_STRENGTH, 1.0f) * 100.0f;
    draft.opacity = Key(material, AI_MATKEY_OPACITY, 1.0f) * 100.0f;
    draft.diffuseMap = Texture(material, aiTextureType_DIFFUSE);
    draft.opacityMap = Texture(material, aiTextureType_OPACITY);
    draft.reflectionMap = Texture(material, aiTextureType_REFLECTION);
    return draft;
}

void MaterialImport::KeepVisible() {
    std::vector<tools::data::MaterialDraft>& materials = model_.scene.materials;
    bool invisible =
        !materials.empty() &&
        std::all_of(materials.begin(), materials.end(), [](const tools::data::MaterialDraft& m) {
            return m.opacity < kInvisibleOpacity && m.opacityMap.empty();
        });
    if (!invisible) {
        return;
    }
    for (tools::data::MaterialDraft& material : materials) {
        material.opacity = 100.0f;
    }
    model_.warnings.push_back(
        "every material is fully transparent, which would show nothing; written opaque");
}

std::string MaterialImport::Texture(const aiMaterial& material, int type) {
    aiString reference;
    if (material.GetTexture(aiTextureType(type), 0, &reference) != AI_SUCCESS) {
        return "";
    }
    std::string key = reference.C_Str();
    auto known = textureWords_.find(key);
    if (known != textureWords_.end()) {
        return known->second;
    }
    std::string word;
    std::optional<tools::data::Image> image = ImportTexture(source_, folder_, key);
    if (image) {
        word = textureStem_ + "_" + std::to_string(model_.textures.size() + 1) + ".tga";
        model_.textures.push_back({word, std::move(*image)});
    } else {
        model_.warnings.push_back("texture \"" + key + "\" not found; material \"" +
                                  material.GetName().C_Str() + "\" keeps its colour");
    }
    textureWords_[key] = word;
    return word;
}

}  // namespace tools::m3convert
