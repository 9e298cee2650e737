// The material file: entries into the material table, the remap, names and maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "support/process_test.h"

namespace {

using scene::MaterialRemap;

// One entry in the layout of the format.
std::string Entry(int id, const std::string& name, const std::string& diffuseMap = "NONE",
                  const std::string& diffuse = "150 150 150 255",
                  const std::string& specular = "230 230 230 255",
                  const std::string& gloss = "10") {
    return "MaterialID = " + std::to_string(id) + "\nMATERIAL NAME =" + name +
           "\nShader Type = Blinn\nWire Color = 88 144 225 255\n"
           "Ambient Color = 150 150 150 255\nDiffuse Color = " +
           diffuse + "\nSpecular Color = " + specular +
           "\nSelf-illumination = 0.25\nOpacity = 50\nSpecular level = 7\nGlossiness = " + gloss +
           "\nDIFFUSE MAP = " + diffuseMap +
           "\nAmount 100\nOPACITY MAP = NONE\nAmount 90\nBUMP MAP = NONE\nAmount 30\n"
           "REFLECTION MAP = NONE\nAmount 40\nREFRACTION MAP = NONE\nAmount 20\n";
}

const std::vector<scene::Material>& Table() {
    return scene::drawing.MaterialTable;
}

class MaterialFileTest : public testing_support::ProcessTest {
protected:
    // The remap from reading `base` + ".m3m" holding `contents`; no file for empty contents.
    MaterialRemap Read(const std::string& base, const std::string& contents) {
        std::string file = base;
        std::replace(file.begin(), file.end(), '\\', '/');
        if (!contents.empty()) {
            folder.Write(file + ".m3m", contents);
        }
        MaterialRemap remap;
        scene::ReadMaterialFile(base, remap);
        return remap;
    }
};

TEST_F(MaterialFileTest, TheExampleFileFillsTheTableAndTheRemap) {
    MaterialRemap remap =
        Read("Data\\Hall\\Hall",
             "MATERIAL COUNT 2\n" +
                 Entry(0, " Stone wall", "stone.jpg", "255 0 0 255", "256 256 256 256", "50") +
                 Entry(1, " Leaves"));
    ASSERT_EQ(Table().size(), 2u);
    const scene::Material& m = Table()[0];
    EXPECT_EQ(m.name, " Stone wall");
    EXPECT_EQ(m.shaderType, "Blinn");
    EXPECT_FLOAT_EQ(m.wireColor.x, 88 / 255.0f);
    EXPECT_FLOAT_EQ(m.ambient.y, 150 / 255.0f);
    EXPECT_EQ(m.diffuse.Components(), scene::Vector(1, 0, 0, 1).Components());
    // Specular is scaled by 1/256 and the glossiness in hundredths.
    EXPECT_EQ(m.specular.Components(), scene::Vector(0.5f, 0.5f, 0.5f, 0.5f).Components());
    EXPECT_EQ((std::vector<float>{m.selfIllumination, m.opacity, m.specularLevel, m.glossiness,
                                  m.diffuseAmount, m.opacityAmount, m.bumpAmount,
                                  m.reflectionAmount, m.refractionAmount}),
              (std::vector<float>{0.25f, 50, 7, 50, 100, 90, 30, 40, 20}));
    EXPECT_EQ(m.diffuseMap.glName, -1) << "the texture file does not exist";
    EXPECT_EQ((std::vector<int>{remap.Find(0), remap.Find(1), remap.Find(2)}),
              (std::vector<int>{0, 1, -1}));
    std::string log = Log();
    for (const char* line :
         {"Starting load M3Files: Data\\Hall\\Hall\nLoad: Data\\Hall\\Hall.m3m\nMaterial count: 2\n"
          "Material started: 0\nCheck material:  Stone wall\nLoading material:  Stone wall\n"
          "_DIFFUSE:\n",
          "Error: Data\\Hall\\stone.jpg not found!\n_OPACITY:\n_BUMP:\n_REFLECTION:\n_REFRACTION:\n"
          "Material started: 1\n",
          "_REFRACTION:\nClose file.\nAll Materials loaded succesfuly.\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
}

TEST_F(MaterialFileTest, TheTextureDirectoryIsTheBasePathUpToItsLastBackslash) {
    Read("Hall", "MATERIAL COUNT 1\n" + Entry(0, " A", "my tex.tga"));
    Read("Data\\Hall\\Hall", "MATERIAL COUNT 2\n" + Entry(0, " B", "none") + Entry(1, " C"));
    std::string log = Log();
    EXPECT_NE(log.find("Error: my not found!"), std::string::npos) << "cut at the blank";
    EXPECT_NE(log.find("Error: Data\\Hall\\none not found!"), std::string::npos)
        << "only upper-case NONE means no texture";
    EXPECT_EQ(log.find("NONE not found"), std::string::npos);
    EXPECT_EQ(Table().size(), 3u) << "failed textures leave the materials in the table";
}

TEST_F(MaterialFileTest, AKnownNameIsReusedAndItsValuesIgnored) {
    MaterialRemap first = Read(
        "one", "MATERIAL COUNT 2\n" + Entry(0, " Wood") + Entry(1, " Wood", "NONE", "0 255 0 255"));
    EXPECT_EQ(first.Find(1), 0) << "the same name twice in one file";
    MaterialRemap second = Read("two", "MATERIAL COUNT 2\n" + Entry(0, " Glass") +
                                           Entry(1, " Wood", "wood.tga", "0 255 0 255"));
    ASSERT_EQ(Table().size(), 2u);
    EXPECT_EQ(std::pair(second.Find(0), second.Find(1)), std::pair(1, 0));
    EXPECT_FLOAT_EQ(Table()[0].diffuse.y, 150 / 255.0f);
    EXPECT_EQ(Log().find("wood.tga"), std::string::npos) << "its texture is not loaded again";
    EXPECT_EQ(scene::FindMaterial("Wood"), -1) << "names match exactly";
    // Meshes without a material, or before any was read, draw with the plain white default.
    EXPECT_EQ(&scene::MaterialAt(-1), &scene::drawing.DefaultMaterial);
    EXPECT_EQ(scene::drawing.DefaultMaterial.diffuse.Components(),
              scene::Vector(1, 1, 1, 1).Components());
}

// Damaged files: what was read before the damage stays, with a log line.
TEST_F(MaterialFileTest, DamagedFilesKeepWhatWasRead) {
    std::string cut = Entry(0, " Cut");
    cut = cut.substr(0, cut.find("Glossiness"));
    // The base path, the file's text, the materials in the table afterwards, the remap's entry
    // for an id, and the log line.
    const std::tuple<const char*, std::string, size_t, int, int, const char*> cases[] = {
        {"absent", "", 0, 0, -1, "Starting load M3Files: absent\nAll Materials loaded"},
        {"a", "MATERIAL COUNT 0\n" + Entry(0, " X"), 0, 0, -1, "Material count: 0\n"},
        {"c", "MATERIAL KOUNT 2\n" + Entry(0, " X"), 0, 0, -1, "Material count: 0\n"},
        {"d", "MATERIAL COUNT 2\n" + cut, 1, 0, 0, "Unexpected end of file d.m3m\n"},
        // The remap is not sized by a count beyond the entries present.
        {"e", "MATERIAL COUNT 2000000000\n" + Entry(0, " Y") + Entry(1, " W"), 3, 1, 2, ""},
        {"f", "MATERIAL COUNT 1\n" + Entry(5, " Z"), 4, 5, -1,
         "MaterialID 5 outside 0..1 in f.m3m is not mapped"},
        {"g", "MATERIAL COUNT 1\nMaterialID = 0\nMATERIAL NAME", 4, 0, -1, ""},
    };
    for (const auto& [base, text, materials, id, index, logLine] : cases) {
        SCOPED_TRACE(base);
        MaterialRemap remap = Read(base, text);
        EXPECT_EQ(Table().size(), materials);
        EXPECT_EQ(remap.Find(id), index);
        EXPECT_NE(Log().find(logLine), std::string::npos);
    }
    EXPECT_FLOAT_EQ(Table()[0].opacity, 50.0f) << "values before the end are kept";
    EXPECT_FLOAT_EQ(Table()[0].glossiness, 0.0f);
}

}  // namespace
