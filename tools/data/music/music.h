// The show's music, Data\Music\buddha.it: a module written from synthesised sounds.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/data/content_folder.h"

namespace tools::data {

// The whole module file; the same bytes on every call.
std::vector<uint8_t> MakeMusicModule();

// Generator entry: writes Data\Music\buddha.it.
void WriteMusic(ContentFolder& folder);

}  // namespace tools::data
