// The list of content generators: each writes one group of files into the folder.
#pragma once

#include <vector>

#include "tools/data/content_folder.h"

namespace tools::data {

struct Generator {
    const char* name;  // shown on the terminal
    void (*write)(ContentFolder& folder);
};

// In the order they run. A new group of files is one more entry here.
const std::vector<Generator>& AllGenerators();

// Runs every generator into `folder`; a failing generator throws and stops the run.
void WriteAllContent(ContentFolder& folder, FILE* progress);

}  // namespace tools::data
