// Renderer start-up: the driver's identity and the extension check, in their fixed order.
#include "render/renderer.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "app/window.h"
#include "console/log.h"
#include "console/settings.h"
#include "render/glh/glh_extensions.h"

namespace render {

Renderer renderer;

namespace {

std::string GlString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

Renderer::~Renderer() {
    ReleaseVertexBuffer();
}

void Renderer::Start(int width, int height, int depth, bool fullscreen) {
    app::SetVideoMode(width, height, depth, fullscreen);
    console::Print("Use OpenGL Render...");
    CheckCapabilities();
}

void Renderer::ResetCapabilities() {
    ReleaseVertexBuffer();
    multitexture = textureEnvCombine = vertexArray = vertexArrayRange = false;
    vertexWeighting = separateSpecular = edgeClamp = wglPixelFormat = wglPbuffer = false;
}

void Renderer::CheckCapabilities() {
    ResetCapabilities();
    console::Print("OpenGL Version: " + GlString(GL_VERSION));
    console::Print("OpenGL Renderer: " + GlString(GL_RENDERER));
    console::Print("OpenGL Vendor: " + GlString(GL_VENDOR));
    if (!console::settings.render_use_OGL_ext) {
        AllocateHeapVertexBuffer();
        return;
    }
    console::Print("Check OpenGL extensions:");
    std::string extensions = GlString(GL_EXTENSIONS) + glh::WindowingExtensions();
    console::Print(extensions);
    UseExtensions(extensions);
}

void Renderer::UseExtensions(const std::string& extensions) {
    ResetCapabilities();
    // A plain substring search, as the driver strings are matched everywhere here.
    auto found = [&extensions](const char* name) {
        return extensions.find(name) != std::string::npos;
    };
    auto use = [](bool& flag, const char* name) {
        flag = true;
        glh::InitExtensions(name);
        console::Print(std::string("Using ") + name);
    };
    auto missing = [](const char* name) { console::Print(std::string(name) + " not supported!"); };

    if (found("GL_ARB_multitexture")) {
        use(multitexture, "GL_ARB_multitexture");
    } else {
        missing("GL_ARB_multitexture");
    }

    if (found("GL_ARB_texture_env_combine")) {
        textureEnvCombine = true;
        console::Print("Using GL_ARB_texture_env_combine");
    } else if (found("GL_EXT_texture_env_combine")) {
        use(textureEnvCombine, "GL_EXT_texture_env_combine");
    } else {
        missing("GL_EXT_texture_env_combine");
        missing("GL_ARB_texture_env_combine");
    }

    if (found("GL_EXT_vertex_array")) {
        vertexArray = true;
        glh::InitExtensions("GL_EXT_vertex_array");
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        console::Print("Using GL_EXT_vertex_array");
    } else {
        missing("GL_EXT_vertex_array");
    }

    UseVertexArrayRange(found("GL_NV_vertex_array_range") &&
                        console::settings.render_use_vertex_array_range);
    if (vertexArray) {
        PointClientArrays();
    }

    if (found("GL_EXT_vertex_weighting")) {
        use(vertexWeighting, "GL_EXT_vertex_weighting");
        glEnable(GL_VERTEX_WEIGHTING_EXT);
    } else {
        missing("GL_EXT_vertex_weighting");
    }

    if (found("GL_EXT_separate_specular_color")) {
        use(separateSpecular, "GL_EXT_separate_specular_color");
        glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL_EXT, GL_SEPARATE_SPECULAR_COLOR_EXT);
    } else {
        missing("GL_EXT_separate_specular_color");
    }

    if (found("GL_ARB_texture_border_clamp")) {
        use(edgeClamp, "GL_ARB_texture_border_clamp");
    } else if (found("GL_EXT_texture_edge_clamp")) {
        use(edgeClamp, "GL_EXT_texture_edge_clamp");
    } else {
        missing("GL_ARB_texture_border_clamp");
        missing("GL_EXT_texture_edge_clamp");
    }

    if (found("WGL_ARB_pixel_format")) {
        use(wglPixelFormat, "WGL_ARB_pixel_format");
    } else {
        missing("WGL_ARB_pixel_format");
    }
    if (found("WGL_ARB_pbuffer")) {
        use(wglPbuffer, "WGL_ARB_pbuffer");
    } else {
        missing("WGL_ARB_pbuffer");
    }
}

void Renderer::PointClientArrays() {
    glVertexPointer(3, GL_FLOAT, kVertexSize, vertexBuffer);
    glNormalPointer(GL_FLOAT, kVertexSize, vertexBuffer + 12);
    glColorPointer(4, GL_UNSIGNED_BYTE, kVertexSize, vertexBuffer + 32);
    glTexCoordPointer(2, GL_FLOAT, kVertexSize, vertexBuffer + 24);
}

}  // namespace render
