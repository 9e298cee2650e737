// The two logo words, solid letters standing over the altar and facing the avenue (-z).
#include "production/content.h"
#include "tools/common/prerequisites.h"
#include "tools/data/geometry/text_mesh.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"

namespace tools::data {
namespace {

// The word centred on x = 0, its baseline at `baseline`, its face at z = `front` towards -z:
// the line runs towards -x, which is the viewer's right there.
MeshData Word(const OutlineFont& font, const std::string& text, const TextStyle& style,
              float baseline, float front) {
    TextMesh word = ExtrudedText(font, text, style);
    Frame facing;
    facing.origin = Vector(word.width / 2, baseline, front);
    facing.axisX = Vector(-1, 0, 0);
    facing.axisZ = Vector(0, 0, -1);
    return Transformed(word.mesh, facing);
}

}  // namespace

SceneDraft LumoScene() {
    SceneDraft scene;
    scene.basePath = production::content::kLumoScene;
    const OutlineFont font(kSansBold);
    const float z = layout::kLogos.z;
    TextStyle big{58.0f, 12.0f, 4};
    TextStyle small{36.0f, 8.0f, 4};
    scene.AddObject(production::content::kLogoObjects[0],
                    scene.AddMaterial(Polished("Lumo gold", {255, 215, 130}, 0.35f, "gold.tga")),
                    Word(font, "Lumo", big, layout::kLogos.y + 8, z));
    scene.AddObject(
        production::content::kLogoObjects[1],
        scene.AddMaterial(Polished("DevHub silver", {200, 215, 255}, 0.35f, "marble.tga")),
        Word(font, "DevHub", small, layout::kLogos.y - 32, z - 6));
    return scene;
}

}  // namespace tools::data
