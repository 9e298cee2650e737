// A picture of converted scene files as the engine shows them: loaded back through the
// engine's readers and drawn by its scene drawing on an offscreen context, from three
// directions round the model, lit from the eye.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/image.h"
#include "tools/m3convert/model.h"

namespace tools::m3convert {

constexpr int kPreviewViewSize = 320;

struct PreviewRequest {
    std::string basePath;         // as written, with '/' between folders
    bool animated = false;        // load the animation files and show the clip's first frame
    int64_t animationLength = 0;  // the animation clock units the clip lasts
};

// The preview of `model` written under `basePath`: the clip's first frame, or the bind pose
// where the first key shrinks the skin to nothing.
PreviewRequest PreviewOf(const std::string& basePath, const Model& model);

// Three views side by side: front, right side, and from above behind the left, each framed
// on the faces the engine draws. A picture that shows (next to) none of them adds a warning. Throws
// ConvertError when no OpenGL context can be made.
tools::data::Image DrawPreview(const PreviewRequest& request, std::vector<std::string>& warnings);

}  // namespace tools::m3convert
