// Renderer start-up: the driver's identity and the extension check, in their fixed order.
#include "render/renderer.h"

#include "console/log.h"
#include "console/settings.h"
#include "render/display.h"
#include "render/gl.h"
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
    render::SetVideoMode(width, height, depth, fullscreen);
    console::Print("Use OpenGL Render...");
    CheckCapabilities();
}

void Renderer::Reset() {
    ResetCapabilities();
    vertexBufferUnits = kVertexBufferUnits;
    vertexBufferChunks = 1;
    fastMemoryAllocator = DriverFastMemory();
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
    // One row per capability, in the fixed order of the checks and their log lines.
    struct Extension {
        bool Renderer::*flag;
        // Tried in order; the first one the driver offers is used.
        const char* names[2];
        // Whether the entry points of that name are loaded when it is used.
        bool load[2];
        // Logged as not supported, in this order, when neither is offered.
        const char* missing[2];
        // The state the capability switches on once used; null for none.
        void (*switchOn)(Renderer&);
    };
    static const Extension kExtensions[] = {
        {&Renderer::multitexture,
         {"GL_ARB_multitexture"},
         {true},
         {"GL_ARB_multitexture"},
         nullptr},
        {&Renderer::textureEnvCombine,
         {"GL_ARB_texture_env_combine", "GL_EXT_texture_env_combine"},
         {false, true},
         {"GL_EXT_texture_env_combine", "GL_ARB_texture_env_combine"},
         nullptr},
        {&Renderer::vertexArray,
         {"GL_EXT_vertex_array"},
         {true},
         {"GL_EXT_vertex_array"},
         [](Renderer&) {
             glEnableClientState(GL_VERTEX_ARRAY);
             glEnableClientState(GL_NORMAL_ARRAY);
             glEnableClientState(GL_COLOR_ARRAY);
             glEnableClientState(GL_TEXTURE_COORD_ARRAY);
         }},
        // The vertex-array range has its own start-up, run in this row's place.
        {&Renderer::vertexArrayRange, {}, {}, {}, nullptr},
        {&Renderer::vertexWeighting,
         {"GL_EXT_vertex_weighting"},
         {true},
         {"GL_EXT_vertex_weighting"},
         [](Renderer&) { glEnable(GL_VERTEX_WEIGHTING_EXT); }},
        {&Renderer::separateSpecular,
         {"GL_EXT_separate_specular_color"},
         {true},
         {"GL_EXT_separate_specular_color"},
         [](Renderer&) {
             glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
             glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL_EXT, GL_SEPARATE_SPECULAR_COLOR_EXT);
         }},
        {&Renderer::edgeClamp,
         {"GL_ARB_texture_border_clamp", "GL_EXT_texture_edge_clamp"},
         {true, true},
         {"GL_ARB_texture_border_clamp", "GL_EXT_texture_edge_clamp"},
         nullptr},
        {&Renderer::wglPixelFormat,
         {"WGL_ARB_pixel_format"},
         {true},
         {"WGL_ARB_pixel_format"},
         nullptr},
        {&Renderer::wglPbuffer, {"WGL_ARB_pbuffer"}, {true}, {"WGL_ARB_pbuffer"}, nullptr},
    };

    ResetCapabilities();
    // A plain substring search, as the driver strings are matched everywhere here.
    auto found = [&extensions](const char* name) {
        return extensions.find(name) != std::string::npos;
    };
    for (const Extension& extension : kExtensions) {
        if (extension.flag == &Renderer::vertexArrayRange) {
            UseVertexArrayRange(found("GL_NV_vertex_array_range") &&
                                console::settings.render_use_vertex_array_range);
            if (vertexArray) {
                PointClientArrays();
            }
            continue;
        }
        int offered = 0;
        while (offered < 2 && !(extension.names[offered] && found(extension.names[offered]))) {
            ++offered;
        }
        if (offered == 2) {
            for (const char* name : extension.missing) {
                if (name) {
                    console::Print(std::string(name) + " not supported!");
                }
            }
            continue;
        }
        this->*extension.flag = true;
        if (extension.load[offered]) {
            glh::InitExtensions(extension.names[offered]);
        }
        console::Print(std::string("Using ") + extension.names[offered]);
        if (extension.switchOn) {
            extension.switchOn(*this);
        }
    }
}

void Renderer::PointClientArrays() {
    glVertexPointer(3, GL_FLOAT, kVertexSize, vertexBuffer);
    glNormalPointer(GL_FLOAT, kVertexSize, vertexBuffer + 12);
    glColorPointer(4, GL_UNSIGNED_BYTE, kVertexSize, vertexBuffer + 32);
    glTexCoordPointer(2, GL_FLOAT, kVertexSize, vertexBuffer + 24);
}

}  // namespace render
