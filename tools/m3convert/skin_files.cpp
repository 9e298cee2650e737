// Writing the key frames and weights word for word as the animation reader takes them.
#include "tools/m3convert/skin_files.h"

#include <cmath>

#include "app/timer.h"
#include "scene/coordinates.h"

namespace tools::m3convert {
namespace {

using tools::data::NumberWords;

// The reader turns a file rotation (a, b, c, d) into (-a, c, b, -d); this is its inverse.
std::string RotationWords(const scene::Quaternion& q) {
    return NumberWords({-q.x, q.z, q.y, -q.w});
}

// The pivot triple is read but moves nothing; it repeats the translation.
std::string Entry(const std::string& name, const BonePose& pose) {
    const scene::Vector& t = pose.translation;
    scene::Vector file = scene::SwapAxes(t.x, t.y, t.z);
    std::string triple = NumberWords({file.x, file.y, file.z});
    return name + " " + triple + " : " + triple + " : " + RotationWords(pose.rotation) + "\n";
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

}  // namespace

std::string KeyFrameText(const Skin& skin, size_t first, size_t count) {
    std::string text = "NumFrames " + std::to_string(count) + "\n";
    for (size_t frame = first; frame < first + count; ++frame) {
        text += "Frame " + std::to_string(frame) + "\n";
        for (size_t bone = 0; bone < skin.boneNames.size(); ++bone) {
            text += Entry(skin.boneNames[bone], skin.frames[frame][bone]);
        }
    }
    return text;
}

std::string WeightText(const Skin& skin) {
    std::string text = "NumVertex " + std::to_string(skin.vertexBones.size()) + "\n";
    for (int32_t bone : skin.vertexBones) {
        text += bone < 0 ? "0\n" : "1 " + std::to_string(bone + 1) + " 1\n";
    }
    return text;
}

void WriteSkinFiles(tools::data::ContentFolder& folder, const std::string& basePath,
                    const Skin& skin) {
    folder.Write(basePath + ".m3vba0", Bytes(KeyFrameText(skin, 0, 1)));
    folder.Write(basePath + ".m3vba", Bytes(KeyFrameText(skin, 1, skin.frames.size() - 1)));
    folder.Write(basePath + ".m3vw", Bytes(WeightText(skin)));
}

int64_t SourceSpeedLength(const Skin& skin) {
    double frames = double(skin.frames.size() - 1);
    double perFrame = frames > 1 ? skin.clipSeconds / (frames - 1) : 1.0;
    return std::llround(frames * perFrame * app::kTicksPerSecond);
}

}  // namespace tools::m3convert
