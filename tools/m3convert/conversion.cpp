// Writing a converted model beside its base path.
#include "tools/m3convert/conversion.h"

#include <algorithm>
#include <filesystem>

#include "tools/data/content_folder.h"
#include "tools/data/textures/image_file.h"
#include "tools/m3convert/model_import.h"
#include "tools/m3convert/skin_files.h"

namespace tools::m3convert {
namespace {

// TGA keeps an alpha channel only where some texel uses it.
tools::data::TgaFormat TgaFor(const tools::data::Image& image) {
    bool alpha = std::any_of(image.pixels().begin(), image.pixels().end(),
                             [](const tools::data::Rgba& p) { return p.a != 255; });
    tools::data::TgaFormat format;
    format.bitsPerPixel = alpha ? 32 : 24;
    return format;
}

}  // namespace

Model ConvertModel(const ConvertRequest& request) {
    std::filesystem::path base(request.basePath);
    std::string stem = OneWord(base.filename().string(), "model");
    Model model = ImportModel(request.input, request.scale, stem);
    std::string folder = base.parent_path().empty() ? "." : base.parent_path().string();
    model.scene.basePath = base.filename().string();
    try {
        tools::data::ContentFolder out(folder, nullptr);
        tools::data::WriteScene(out, model.scene);
        for (const TextureFile& texture : model.textures) {
            tools::data::WriteImage(out, texture.fileWord, texture.image, TgaFor(texture.image));
        }
        if (model.skin) {
            WriteSkinFiles(out, model.scene.basePath, *model.skin);
        }
    } catch (const std::exception& error) {
        throw ConvertError(request.basePath + ": cannot be written: " + error.what());
    }
    return model;
}

std::string Summary(const ConvertRequest& request, const Model& model) {
    size_t faces = 0;
    for (const tools::data::ObjectDraft& object : model.scene.objects) {
        faces += object.mesh.faces.size();
    }
    std::string text = request.basePath + ".m3f: " + std::to_string(model.scene.objects.size()) +
                       " objects, " + std::to_string(faces) + " triangles\n" + request.basePath +
                       ".m3m: " + std::to_string(model.scene.materials.size()) + " materials, " +
                       std::to_string(model.textures.size()) + " textures\n";
    if (model.skin) {
        text += request.basePath + ".m3vba: " + std::to_string(model.skin->boneNames.size()) +
                " bones, " + std::to_string(model.skin->frames.size() - 1) +
                " frames; load with animationLength " +
                std::to_string(SourceSpeedLength(*model.skin)) + " for the source's speed\n";
    }
    return text;
}

}  // namespace tools::m3convert
