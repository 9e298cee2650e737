// Extension loader: the known extensions with their entry points, resolved through the
// platform's GL lookup.
#include "render/glh/glh_extensions.h"

#include <cstring>
#include <map>
#include <sstream>
#include <vector>

#include "platform/window.h"

namespace glh {

EntryPoints entryPoints;

namespace {

struct Extension {
    const char* name;
    std::vector<const char*> entryPoints;
};

// The 32 coordinate calls: 1 to 4 components; d, f, i, s; scalar and vector forms.
std::vector<const char*> MultiTexCoordCalls() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (char count : std::string("1234")) {
            for (char type : std::string("dfis")) {
                all.push_back(std::string("glMultiTexCoord") + count + type + "ARB");
                all.push_back(std::string("glMultiTexCoord") + count + type + "vARB");
            }
        }
        return all;
    }();
    std::vector<const char*> calls;
    for (const std::string& name : names) {
        calls.push_back(name.c_str());
    }
    calls.push_back("glActiveTextureARB");
    calls.push_back("glClientActiveTextureARB");
    return calls;
}

const std::vector<Extension>& KnownExtensions() {
    static const std::vector<Extension> known = {
        {"GL_ARB_multitexture", MultiTexCoordCalls()},
        {"GL_ARB_texture_compression",
         {"glCompressedTexImage3DARB", "glCompressedTexImage2DARB", "glCompressedTexImage1DARB",
          "glCompressedTexSubImage3DARB", "glCompressedTexSubImage2DARB",
          "glCompressedTexSubImage1DARB", "glGetCompressedTexImageARB"}},
        {"GL_ARB_transpose_matrix",
         {"glLoadTransposeMatrixfARB", "glLoadTransposeMatrixdARB", "glMultTransposeMatrixfARB",
          "glMultTransposeMatrixdARB"}},
        {"GL_EXT_blend_color", {"glBlendColorEXT"}},
        {"GL_EXT_blend_minmax", {"glBlendEquationEXT"}},
        {"GL_EXT_compiled_vertex_array", {"glLockArraysEXT", "glUnlockArraysEXT"}},
        {"GL_EXT_fog_coord",
         {"glFogCoordfEXT", "glFogCoordfvEXT", "glFogCoorddEXT", "glFogCoorddvEXT",
          "glFogCoordPointerEXT"}},
        {"GL_EXT_paletted_texture",
         {"glColorTableEXT", "glColorSubTableEXT", "glGetColorTableEXT",
          "glGetColorTableParameterivEXT", "glGetColorTableParameterfvEXT"}},
        {"GL_EXT_point_parameters", {"glPointParameterfEXT", "glPointParameterfvEXT"}},
        {"GL_EXT_secondary_color",
         {"glSecondaryColor3bEXT", "glSecondaryColor3bvEXT", "glSecondaryColor3dEXT",
          "glSecondaryColor3dvEXT", "glSecondaryColor3fEXT", "glSecondaryColor3fvEXT",
          "glSecondaryColor3iEXT", "glSecondaryColor3ivEXT", "glSecondaryColor3sEXT",
          "glSecondaryColor3svEXT", "glSecondaryColor3ubEXT", "glSecondaryColor3ubvEXT",
          "glSecondaryColor3uiEXT", "glSecondaryColor3uivEXT", "glSecondaryColor3usEXT",
          "glSecondaryColor3usvEXT", "glSecondaryColorPointerEXT"}},
        {"GL_EXT_texture_object",
         {"glAreTexturesResidentEXT", "glBindTextureEXT", "glDeleteTexturesEXT", "glGenTexturesEXT",
          "glIsTextureEXT", "glPrioritizeTexturesEXT"}},
        {"GL_EXT_vertex_array",
         {"glArrayElementEXT", "glColorPointerEXT", "glDrawArraysEXT", "glEdgeFlagPointerEXT",
          "glGetPointervEXT", "glIndexPointerEXT", "glNormalPointerEXT", "glTexCoordPointerEXT",
          "glVertexPointerEXT"}},
        {"GL_EXT_vertex_weighting",
         {"glVertexWeightfEXT", "glVertexWeightfvEXT", "glVertexWeightPointerEXT"}},
        {"GL_NV_evaluators",
         {"glMapControlPointsNV", "glMapParameterivNV", "glMapParameterfvNV",
          "glGetMapControlPointsNV", "glGetMapParameterivNV", "glGetMapParameterfvNV",
          "glGetMapAttribParameterivNV", "glGetMapAttribParameterfvNV", "glEvalMapsNV"}},
        {"GL_NV_register_combiners",
         {"glCombinerParameterfvNV", "glCombinerParameterfNV", "glCombinerParameterivNV",
          "glCombinerParameteriNV", "glCombinerInputNV", "glCombinerOutputNV",
          "glFinalCombinerInputNV", "glGetCombinerInputParameterfvNV",
          "glGetCombinerInputParameterivNV", "glGetCombinerOutputParameterfvNV",
          "glGetCombinerOutputParameterivNV", "glGetFinalCombinerInputParameterfvNV",
          "glGetFinalCombinerInputParameterivNV"}},
        {"GL_NV_register_combiners2",
         {"glCombinerStageParameterfvNV", "glGetCombinerStageParameterfvNV"}},
        {"GL_NV_vertex_array_range",
         {"glFlushVertexArrayRangeNV", "glVertexArrayRangeNV", "wglAllocateMemoryNV",
          "wglFreeMemoryNV"}},
        {"GL_NV_vertex_program",
         {"glAreProgramsResidentNV",
          "glBindProgramNV",
          "glDeleteProgramsNV",
          "glExecuteProgramNV",
          "glGenProgramsNV",
          "glGetProgramParameterdvNV",
          "glGetProgramParameterfvNV",
          "glGetProgramivNV",
          "glGetProgramStringNV",
          "glGetTrackMatrixivNV",
          "glGetVertexAttribdvNV",
          "glGetVertexAttribfvNV",
          "glGetVertexAttribivNV",
          "glGetVertexAttribPointervNV",
          "glIsProgramNV",
          "glLoadProgramNV",
          "glProgramParameter4dNV",
          "glProgramParameter4dvNV",
          "glProgramParameter4fNV",
          "glProgramParameter4fvNV",
          "glProgramParameters4dvNV",
          "glProgramParameters4fvNV",
          "glRequestResidentProgramsNV",
          "glTrackMatrixNV",
          "glVertexAttribPointerNV",
          "glVertexAttrib1dNV",
          "glVertexAttrib1dvNV",
          "glVertexAttrib1fNV",
          "glVertexAttrib1fvNV",
          "glVertexAttrib1sNV",
          "glVertexAttrib1svNV",
          "glVertexAttrib2dNV",
          "glVertexAttrib2dvNV",
          "glVertexAttrib2fNV",
          "glVertexAttrib2fvNV",
          "glVertexAttrib2sNV",
          "glVertexAttrib2svNV",
          "glVertexAttrib3dNV",
          "glVertexAttrib3dvNV",
          "glVertexAttrib3fNV",
          "glVertexAttrib3fvNV",
          "glVertexAttrib3sNV",
          "glVertexAttrib3svNV",
          "glVertexAttrib4dNV",
          "glVertexAttrib4dvNV",
          "glVertexAttrib4fNV",
          "glVertexAttrib4fvNV",
          "glVertexAttrib4sNV",
          "glVertexAttrib4svNV",
          "glVertexAttrib4ubNV",
          "glVertexAttrib4ubvNV",
          "glVertexAttribs1dvNV",
          "glVertexAttribs1fvNV",
          "glVertexAttribs1svNV",
          "glVertexAttribs2dvNV",
          "glVertexAttribs2fvNV",
          "glVertexAttribs2svNV",
          "glVertexAttribs3dvNV",
          "glVertexAttribs3fvNV",
          "glVertexAttribs3svNV",
          "glVertexAttribs4dvNV",
          "glVertexAttribs4fvNV",
          "glVertexAttribs4svNV",
          "glVertexAttribs4ubvNV"}},
        {"GL_VERSION_1_2",
         {"glBlendColor", "glBlendEquation", "glDrawRangeElements", "glColorTable",
          "glColorTableParameterfv", "glColorTableParameteriv", "glCopyColorTable",
          "glGetColorTable", "glGetColorTableParameterfv", "glGetColorTableParameteriv",
          "glTexImage3D", "glTexSubImage3D", "glCopyTexSubImage3D"}},
        {"GL_WIN_swap_hint", {"glAddSwapHintRectWIN"}},
        {"WGL_ARB_pbuffer",
         {"wglCreatePbufferARB", "wglGetPbufferDCARB", "wglReleasePbufferDCARB",
          "wglDestroyPbufferARB", "wglQueryPbufferARB"}},
        {"WGL_ARB_pixel_format",
         {"wglGetPixelFormatAttribivARB", "wglGetPixelFormatAttribfvARB",
          "wglChoosePixelFormatARB"}},
        // Known without entry points: they load trivially.
        {"GL_ARB_texture_border_clamp", {}},
        {"GL_ARB_texture_cube_map", {}},
        {"GL_ARB_texture_env_add", {}},
        {"GL_ARB_texture_env_combine", {}},
        {"GL_ARB_texture_env_dot3", {}},
        {"GL_EXT_abgr", {}},
        {"GL_EXT_bgra", {}},
        {"GL_EXT_packed_pixels", {}},
        {"GL_EXT_rescale_normal", {}},
        {"GL_EXT_separate_specular_color", {}},
        {"GL_EXT_stencil_wrap", {}},
        {"GL_EXT_texture_compression_s3tc", {}},
        {"GL_EXT_texture_cube_map", {}},
        {"GL_EXT_texture_env_add", {}},
        {"GL_EXT_texture_env_combine", {}},
        {"GL_EXT_texture_env_dot3", {}},
        {"GL_EXT_texture_filter_anisotropic", {}},
        {"GL_EXT_texture_lod_bias", {}},
        {"GL_NV_blend_square", {}},
        {"GL_NV_fog_distance", {}},
        {"GL_NV_texgen_reflection", {}},
        {"GL_NV_texture_env_combine4", {}},
        {"GL_SGIS_generate_mipmap", {}},
        {"GL_SGIS_texture_lod", {}},
    };
    return known;
}

std::map<std::string, void*>& ResolvedEntryPoints() {
    static std::map<std::string, void*> resolved;
    return resolved;
}

// GL_EXTENSIONS, a blank, the windowing string, a blank; built once a context answers.
const std::string& CombinedExtensions() {
    static std::string combined;
    if (combined.empty()) {
        const GLubyte* extensions = glGetString(GL_EXTENSIONS);
        if (extensions) {
            combined = reinterpret_cast<const char*>(extensions) + std::string(" ") +
                       WindowingExtensions() + " ";
        }
    }
    return combined;
}

const Extension* FindExtension(const std::string& name) {
    for (const Extension& extension : KnownExtensions()) {
        if (name == extension.name) {
            return &extension;
        }
    }
    return nullptr;
}

template <typename Proc>
void Take(Proc& slot, const char* name) {
    slot = reinterpret_cast<Proc>(EntryPoint(name));
}

// Stops at the first entry point that the driver does not give.
bool LoadExtension(const Extension& extension) {
    for (const char* entryPoint : extension.entryPoints) {
#ifdef TORVANE_GLES
        void* address = render::gles::ProcAddress(entryPoint);
#else
        void* address = platform::GetProcAddress(entryPoint);
#endif
        if (!address) {
            return false;
        }
        ResolvedEntryPoints()[entryPoint] = address;
    }
    Take(entryPoints.glActiveTextureARB, "glActiveTextureARB");
    Take(entryPoints.glClientActiveTextureARB, "glClientActiveTextureARB");
    Take(entryPoints.glVertexArrayRangeNV, "glVertexArrayRangeNV");
    Take(entryPoints.wglAllocateMemoryNV, "wglAllocateMemoryNV");
    Take(entryPoints.wglFreeMemoryNV, "wglFreeMemoryNV");
    return true;
}

}  // namespace

bool IsExtensionSupported(const std::string& name) {
    if (name == "GL_VERSION_1_2") {
        const GLubyte* version = glGetString(GL_VERSION);
        const char* text = version ? reinterpret_cast<const char*>(version) : "";
        return std::strncmp(text, "1.0", 3) != 0 && std::strncmp(text, "1.1", 3) != 0;
    }
    return CombinedExtensions().find(name + " ") != std::string::npos;
}

bool InitExtensions(const std::string& names) {
    std::istringstream list(names);
    std::string name;
    bool all = true;
    while (list >> name) {
        const Extension* extension = FindExtension(name);
        if (!IsExtensionSupported(name) || !extension || !LoadExtension(*extension)) {
            all = false;
        }
    }
    return all;
}

std::string WindowingExtensions() {
    return "";
}

int KnownExtensionCount() {
    return static_cast<int>(KnownExtensions().size());
}

void* EntryPoint(const std::string& name) {
    auto found = ResolvedEntryPoints().find(name);
    return found == ResolvedEntryPoints().end() ? nullptr : found->second;
}

}  // namespace glh
