// The show folder's Torvane.cfg: the settings the default content is meant to play with.
#pragma once

#include "tools/data/content_folder.h"

namespace tools::data {

void WriteConfigFile(ContentFolder& folder);

}  // namespace tools::data
