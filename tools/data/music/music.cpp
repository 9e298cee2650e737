// Assembles the music module: sounds, score, tempo, and the file the show loads.
#include "tools/data/music/music.h"

#include "tools/data/music/it_writer.h"
#include "tools/data/music/score.h"
#include "tools/data/music/sounds.h"

namespace tools::data {

std::vector<uint8_t> MakeMusicModule() {
    ItModule module;
    module.name = "Still Water";
    module.initialSpeed = 6;
    module.initialTempo = 60;  // with 4 rows a beat: 60 beats a minute, a row every 0.25 s
    module.globalVolume = 128;
    module.mixVolume = 48;
    AddSounds(module);
    ComposeScore(module);
    return EncodeIt(module);
}

void WriteMusic(ContentFolder& folder) {
    folder.Write("Data\\Music\\buddha.it", MakeMusicModule());
}

}  // namespace tools::data
