// Reading the material file.
#include "scene/material_file.h"

#include "console/log.h"
#include "scene/material.h"
#include "scene/word_reader.h"

namespace scene {
namespace {

using console::Print;

// Words of the shortest entry: "MaterialID = id MATERIAL NAME =" and a name.
constexpr int64_t kShortestEntryWords = 7;

// The base path up to and including its last backslash; empty without one.
std::string Directory(const std::string& basePath) {
    size_t slash = basePath.find_last_of('\\');
    return slash == std::string::npos ? std::string() : basePath.substr(0, slash + 1);
}

// "A" "Color", one skipped word, four whole numbers each times `factor`.
void ReadColor(WordReader& in, const char* keyword, double factor, Vector& color) {
    if (!in.KeyedValue(keyword, "Color")) {
        return;
    }
    float* parts[4] = {&color.x, &color.y, &color.z, &color.w};
    for (float* part : parts) {
        *part = static_cast<float>(in.ReadInt() * factor);
    }
}

void ReadDecimal(WordReader& in, const char* keyword, float& value) {
    if (in.KeyedValue(keyword, "=")) {
        value = WordToFloat(in.Word());
    }
}

struct MapSection {
    const char* keyword;
    const char* logLine;
    render::Texture Material::*map;
    float Material::*amount;
};

constexpr MapSection kMaps[] = {
    {"DIFFUSE", "_DIFFUSE:", &Material::diffuseMap, &Material::diffuseAmount},
    {"OPACITY", "_OPACITY:", &Material::opacityMap, &Material::opacityAmount},
    {"BUMP", "_BUMP:", &Material::bumpMap, &Material::bumpAmount},
    {"REFLECTION", "_REFLECTION:", &Material::reflectionMap, &Material::reflectionAmount},
    {"REFRACTION", "_REFRACTION:", &Material::refractionMap, &Material::refractionAmount},
};

void ReadMap(WordReader& in, const MapSection& section, const std::string& directory,
             Material& material) {
    Print(section.logLine);
    if (!(in.SkipTo(section.keyword) && in.SkipTo("MAP") && in.SkipTo("=") && in.Next())) {
        return;
    }
    if (in.Word() != "NONE") {
        (material.*section.map).Load(directory + std::string(in.Word()));
    }
    if (in.SkipTo("Amount") && in.Next()) {
        material.*section.amount = WordToFloat(in.Word());
    }
}

// Everything of a new entry after its name, in the order of the format.
void ReadMaterialBody(WordReader& in, const std::string& directory, Material& m) {
    if (in.KeyedValue("Shader", "Type", "=")) {
        m.shaderType = std::string(in.Word());
    }
    ReadColor(in, "Wire", 1.0 / 255.0, m.wireColor);
    ReadColor(in, "Ambient", 1.0 / 255.0, m.ambient);
    ReadColor(in, "Diffuse", 1.0 / 255.0, m.diffuse);
    ReadColor(in, "Specular", 1.0 / 256.0, m.specular);
    ReadDecimal(in, "Self-illumination", m.selfIllumination);
    ReadDecimal(in, "Opacity", m.opacity);
    if (in.SkipTo("Specular") && in.SkipTo("level") && in.SkipTo("=") && in.Next()) {
        m.specularLevel = WordToFloat(in.Word());
    }
    if (in.SkipTo("Glossiness") && in.SkipTo("=") && in.Next()) {
        m.glossiness = WordToFloat(in.Word());
    }
    m.specular = m.specular * static_cast<float>(m.glossiness * 0.01);
    for (const MapSection& section : kMaps) {
        ReadMap(in, section, directory, m);
    }
}

void ReadEntry(WordReader& in, int32_t count, const std::string& directory, MaterialRemap& remap) {
    int32_t id = in.KeyedValue("MaterialID", "=") ? WordToInt(in.Word()) : -1;
    std::string name;
    if (in.KeyedValue("MATERIAL", "NAME") && in.SkipTo("=")) {
        name = in.RestOfLine();
    }
    if (in.AtEnd()) {
        return;
    }
    Print("Check material: " + name);
    int32_t index = FindMaterial(name);
    bool known = index >= 0;
    if (!known) {
        MaterialTable.emplace_back();
        MaterialTable.back().name = name;
        index = static_cast<int32_t>(MaterialTable.size()) - 1;
    }
    if (remap.Contains(id)) {
        remap.Set(id, index);
    } else {
        Print("MaterialID " + console::IntToString(id) + " outside 0.." +
              console::IntToString(count) + " in " + in.Path() + " is not mapped");
    }
    if (!known) {
        Print("Loading material: " + name);
        ReadMaterialBody(in, directory, MaterialTable[static_cast<size_t>(index)]);
    }
}

}  // namespace

void ReadMaterialFile(const std::string& basePath, MaterialRemap& remap) {
    Print("Starting load M3Files: " + basePath);
    WordReader in;
    if (!in.Open(basePath + ".m3m")) {
        Print("All Materials loaded succesfuly.");
        return;
    }
    Print("Load: " + in.Path());
    int32_t count = in.KeyedValue("MATERIAL", "COUNT") ? WordToInt(in.Word()) : 0;
    Print("Material count: " + console::IntToString(count));
    // Entries are read up to the count or the end of the file; only the remap is sized
    // ahead, never beyond what the rest of the file could describe.
    remap.Create(static_cast<int32_t>(in.RecordsThatFit(count, kShortestEntryWords)));
    std::string directory = Directory(basePath);
    for (int32_t i = 0; i < count && !in.AtEnd(); ++i) {
        Print("Material started: " + console::IntToString(i));
        ReadEntry(in, count, directory, remap);
    }
    Print("Close file.");
    Print("All Materials loaded succesfuly.");
}

}  // namespace scene
