// The one renderer: start-up creates the window and rendering context.
#pragma once

namespace render {

class Renderer {
public:
    virtual ~Renderer() = default;
    // Creates the window and context with the configured display values.
    void Start(int width, int height, int depth, bool fullscreen);
};

extern Renderer renderer;

}  // namespace render
