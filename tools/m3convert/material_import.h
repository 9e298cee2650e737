// Source materials as the engine's: colours, opacity, glossiness and specular level, and
// the diffuse, opacity and reflection maps written beside the scene as TGA files.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "tools/m3convert/model.h"

struct aiMaterial;
struct aiScene;

namespace tools::m3convert {

class MaterialImport {
public:
    // `modelPath` locates external textures; new materials and textures go into `model`.
    MaterialImport(const aiScene& source, const std::string& modelPath,
                   const std::string& textureStem, Model& model);

    // The draft index of source material `index`, converted on first use.
    int32_t Use(unsigned index);
    // When every material used would be fully transparent with nothing to show through
    // (no opacity map), the source's "0 means opaque" was taken the other way round: the
    // materials become opaque, with a warning.
    void KeepVisible();

private:
    tools::data::MaterialDraft Convert(const aiMaterial& material);
    // The file word of the texture a map names, or empty (with a warning) when the file
    // is missing. Throws ConvertError when it is there but cannot be decoded.
    std::string Texture(const aiMaterial& material, int type);

    const aiScene& source_;
    std::string folder_;
    std::string textureStem_;
    Model& model_;
    std::map<unsigned, int32_t> drafts_;
    std::map<std::string, std::string> textureWords_;
    std::set<std::string> names_;
};

}  // namespace tools::m3convert
