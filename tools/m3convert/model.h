// A model converted for the engine: its scene draft (materials and meshes in engine
// coordinates), the textures to write beside it, and the skeleton animation of its skinned
// mesh when it has one.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "scene/quaternion.h"
#include "scene/vector.h"
#include "tools/common/image.h"
#include "tools/data/geometry/scene_writer.h"

namespace tools::m3convert {

// A failure that ends the conversion; the message names the file and the reason.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TextureFile {
    std::string fileWord;  // the name the material file gives, beside the scene files
    tools::data::Image image;
};

// A bone's placement in engine coordinates: rotation, then translation.
struct BonePose {
    scene::Vector translation;
    scene::Quaternion rotation;
};

struct Skin {
    std::vector<std::string> boneNames;  // one word each
    // frames[0] is the rest pose (the bones as the vertices were bound); frames[1..] the
    // clip at the animation's key times.
    std::vector<std::vector<BonePose>> frames;
    // Per vertex of the skinned mesh (the scene's last object): the bone with the largest
    // weight, or -1 for a vertex no bone moves.
    std::vector<int32_t> vertexBones;
    // From the first key to the last, in seconds.
    double clipSeconds = 0;
    // The source's first key scales every bone to nothing: the mesh shrinks to a point,
    // which the engine's rigid bones cannot show.
    bool firstKeyCollapses = false;
};

struct Model {
    tools::data::SceneDraft scene;
    std::vector<TextureFile> textures;
    std::optional<Skin> skin;
    // Things the user should know that do not stop the conversion.
    std::vector<std::string> warnings;
};

}  // namespace tools::m3convert
