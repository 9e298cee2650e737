// A picture of converted scene files as the engine shows them: loaded back through the
// engine's readers and drawn by its scene drawing on an offscreen context, from three
// directions round the model, lit from the eye.
#pragma once

#include <cstdint>
#include <string>

#include "tools/common/image.h"

namespace tools::m3convert {

constexpr int kPreviewViewSize = 320;

struct PreviewRequest {
    std::string basePath;         // as written, with '/' between folders
    bool animated = false;        // load the animation files and show the clip's first frame
    int64_t animationLength = 0;  // the animation clock units the clip lasts
};

// Three views side by side: front, right side, and from above behind the left. Throws
// ConvertError when no OpenGL context can be made.
tools::data::Image DrawPreview(const PreviewRequest& request);

}  // namespace tools::m3convert
