// The generator list and the loop that runs it.
#include "tools/data/generators.h"

#include "tools/data/camera_path.h"
#include "tools/data/config_file.h"
#include "tools/data/effect_images.h"
#include "tools/data/font_atlas.h"
#include "tools/data/music/music.h"
#include "tools/data/scenes/scenes.h"
#include "tools/data/texture_set.h"
#include "tools/data/title_plates.h"
#include "tools/data/voice_track.h"

namespace tools::data {

const std::vector<Generator>& AllGenerators() {
    static const std::vector<Generator> generators = {
        {"textures", WriteTextures},
        {"effect images", WriteEffectImages},
        {"font", WriteFont},
        {"title images", WriteTitlePlates},
        {"voice", WriteVoice},
        {"music", WriteMusic},
        {"settings", WriteConfigFile},
        {"scenes", WriteScenes},
        {"camera path", WriteCameraPath},
    };
    return generators;
}

void WriteAllContent(ContentFolder& folder, FILE* progress) {
    const std::vector<Generator>& generators = AllGenerators();
    for (size_t i = 0; i < generators.size(); ++i) {
        if (progress) {
            std::fprintf(progress, "[%zu/%zu] %s\n", i + 1, generators.size(), generators[i].name);
        }
        generators[i].write(folder);
    }
}

}  // namespace tools::data
