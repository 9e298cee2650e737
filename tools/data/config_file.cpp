// Writes Torvane.cfg for the default content.
#include "tools/data/config_file.h"

#include <string>

namespace tools::data {

void WriteConfigFile(ContentFolder& folder) {
    // With the extensions in use, every material switches texturing on for itself; without
    // them the frames after a shadow pass would draw flares and fires untextured.
    const std::string text =
        "// Settings of the default content; see the README for every variable.\n"
        "render_use_OGL_ext 1\n";
    folder.Write("Torvane.cfg", std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace tools::data
