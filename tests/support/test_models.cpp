// The textured box and COLLADA models.
#include "support/test_models.h"

#include <map>

#include "tools/common/png_writer.h"

namespace testing_support {
namespace {

const char* const kBoxObj =
    "mtllib box.mtl\no Box\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 -1\nv 1 0 -1\n"
    "v 1 1 -1\nv 0 1 -1\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl Painted box\n"
    "f 1/1 2/2 3/3 4/4\nf 6/1 5/2 8/3 7/4\nf 5/1 1/2 4/3 8/4\nf 2/1 6/2 7/3 3/4\n"
    "f 4/1 3/2 7/3 8/4\nf 5/1 6/2 2/3 1/4\n";
const char* const kBoxMtl = "newmtl Painted box\nKd 0.9 0.8 0.7\nNs 30\nmap_Kd checker.png\n";

// A 2 × 2 checker, red and blue.
std::string CheckerPng() {
    tools::data::Image image(2, 2, {255, 0, 0, 255});
    image.at(1, 0) = image.at(0, 1) = {0, 0, 255, 255};
    std::vector<uint8_t> png = tools::data::EncodePng(image);
    return std::string(png.begin(), png.end());
}

// One triangle's parts, its libraries and its node; "@" stands for its number.
const char* const kColladaLibraries = R"(
<library_effects><effect id="fx@"><profile_COMMON><technique sid="t"><phong>
<diffuse><color>1 0 0 1</color></diffuse>TRANSPARENCY</phong></technique></profile_COMMON>
</effect></library_effects>
<library_materials><material id="M@" name="M@"><instance_effect url="#fx@"/></material>
</library_materials>
<library_geometries><geometry id="g@"><mesh><source id="p@">
<float_array id="a@" count="9">0 0 0 1 0 0 0 1 0</float_array><technique_common>
<accessor source="#a@" count="3" stride="3"><param name="X" type="float"/>
<param name="Y" type="float"/><param name="Z" type="float"/></accessor></technique_common>
</source><vertices id="v@"><input semantic="POSITION" source="#p@"/></vertices>
<triangles material="m" count="1"><input semantic="VERTEX" source="#v@" offset="0"/>
<p>0 1 2</p></triangles></mesh></geometry></library_geometries>)";
const char* const kColladaNode = R"(
<node id="n@" name="T@"><instance_geometry url="#g@"><bind_material><technique_common>
<instance_material symbol="m" target="#M@"/></technique_common></bind_material>
</instance_geometry></node>)";

std::string Filled(std::string text, const std::map<std::string, std::string>& words) {
    for (const auto& [word, value] : words) {
        for (size_t at = text.find(word); at != std::string::npos;
             at = text.find(word, at + value.size())) {
            text.replace(at, word.size(), value);
        }
    }
    return text;
}

}  // namespace

void WriteColladaTriangles(const TempFolder& folder, const std::string& name,
                           const std::vector<std::string>& transparencies) {
    std::string libraries, nodes;
    for (size_t i = 0; i < transparencies.size(); ++i) {
        std::map<std::string, std::string> words{{"@", std::to_string(i)},
                                                 {"TRANSPARENCY", transparencies[i]}};
        libraries += Filled(kColladaLibraries, words);
        nodes += Filled(kColladaNode, words);
    }
    folder.Write(name, R"(<?xml version="1.0"?><COLLADA version="1.4.1" )"
                       R"(xmlns="http://www.collada.org/2005/11/COLLADASchema">)" +
                           libraries + R"(<library_visual_scenes><visual_scene id="s">)" + nodes +
                           R"(</visual_scene></library_visual_scenes>)"
                           R"(<scene><instance_visual_scene url="#s"/></scene></COLLADA>)");
}

void WriteTexturedBox(const TempFolder& folder) {
    folder.Write("box.obj", kBoxObj);
    folder.Write("box.mtl", kBoxMtl);
    folder.Write("checker.png", CheckerPng());
}

}  // namespace testing_support
