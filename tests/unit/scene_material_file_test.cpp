// The material file: entries into the material table, the remap, names and maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "console/log.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "support/temp_folder.h"

namespace {

using scene::MaterialRemap;
using scene::MaterialTable;

// One entry in the layout of the format; `maps` are the five file words.
std::string Entry(int id, const std::string& name, const std::string& diffuse = "150 150 150 255",
                  const std::string& specular = "230 230 230 255", const std::string& gloss = "10",
                  const std::string& diffuseMap = "NONE") {
    return "MaterialID = " + std::to_string(id) + "\nMATERIAL NAME =" + name +
           "\nShader Type = Blinn\nWire Color = 88 144 225 255\n"
           "Ambient Color = 150 150 150 255\nDiffuse Color = " +
           diffuse + "\nSpecular Color = " + specular +
           "\nSelf-illumination = 0.25\nOpacity = 50\nSpecular level = 7\nGlossiness = " + gloss +
           "\nDIFFUSE MAP = " + diffuseMap +
           "\nAmount 100\nOPACITY MAP = NONE\nAmount 90\nBUMP MAP = NONE\nAmount 30\n"
           "REFLECTION MAP = NONE\nAmount 40\nREFRACTION MAP = NONE\nAmount 20\n";
}

class MaterialFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        MaterialTable.clear();
        console::StartLog("Torvan.log");
    }
    MaterialRemap Read(const std::string& base, const std::string& contents) {
        std::string file = base;
        std::replace(file.begin(), file.end(), '\\', '/');
        folder.Write(file + ".m3m", contents);
        MaterialRemap remap;
        scene::ReadMaterialFile(base, remap);
        return remap;
    }
    std::string Log() const { return folder.Read("Torvan.log"); }

    testing_support::TempFolder folder;
};

TEST_F(MaterialFileTest, TheExampleFileFillsTheTableAndTheRemap) {
    MaterialRemap remap = Read("Data\\Hall\\Hall", "MATERIAL COUNT 2\n" +
                                                       Entry(0, " Stone wall", "255 0 0 255",
                                                             "230 230 230 255", "10", "stone.jpg") +
                                                       Entry(1, " Leaves"));
    ASSERT_EQ(MaterialTable.size(), 2u);
    const scene::Material& m = MaterialTable[0];
    EXPECT_EQ(m.name, " Stone wall");
    EXPECT_EQ(m.shaderType, "Blinn");
    EXPECT_FLOAT_EQ(m.wireColor.x, 88 / 255.0f);
    EXPECT_FLOAT_EQ(m.ambient.y, 150 / 255.0f);
    EXPECT_FLOAT_EQ(m.diffuse.x, 1.0f);
    EXPECT_FLOAT_EQ(m.diffuse.y, 0.0f);
    EXPECT_FLOAT_EQ(m.diffuse.w, 1.0f);
    EXPECT_FLOAT_EQ(m.specular.x, 230 * 0.00390625f * 0.1f);
    EXPECT_FLOAT_EQ(m.selfIllumination, 0.25f);
    EXPECT_FLOAT_EQ(m.opacity, 50.0f);
    EXPECT_FLOAT_EQ(m.specularLevel, 7.0f);
    EXPECT_FLOAT_EQ(m.glossiness, 10.0f);
    EXPECT_FLOAT_EQ(m.diffuseAmount, 100.0f);
    EXPECT_FLOAT_EQ(m.opacityAmount, 90.0f);
    EXPECT_FLOAT_EQ(m.bumpAmount, 30.0f);
    EXPECT_FLOAT_EQ(m.reflectionAmount, 40.0f);
    EXPECT_FLOAT_EQ(m.refractionAmount, 20.0f);
    EXPECT_EQ(m.diffuseMap.glName, -1) << "the texture file does not exist";
    EXPECT_EQ(remap.Find(0), 0);
    EXPECT_EQ(remap.Find(1), 1);
    EXPECT_EQ(remap.Find(2), -1) << "an entry no material set";
    EXPECT_EQ(remap.Find(3), -1) << "outside the remap";
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
    Read("Hall", "MATERIAL COUNT 1\n" + Entry(0, " A", "1 1 1 1", "1 1 1 1", "1", "my tex.tga"));
    Read("Data\\Hall\\Hall", "MATERIAL COUNT 2\n" +
                                 Entry(0, " B", "1 1 1 1", "1 1 1 1", "1", "none") +
                                 Entry(1, " C", "1 1 1 1", "1 1 1 1", "1", "NONE"));
    std::string log = Log();
    EXPECT_NE(log.find("Error: my not found!"), std::string::npos) << "cut at the blank";
    EXPECT_NE(log.find("Error: Data\\Hall\\none not found!"), std::string::npos)
        << "only upper-case NONE means no texture";
    EXPECT_EQ(log.find("NONE not found"), std::string::npos);
    EXPECT_EQ(MaterialTable.size(), 3u) << "failed textures leave the materials in the table";
}

TEST_F(MaterialFileTest, SpecularIsScaledBy256AndTheGlossiness) {
    Read("a", "MATERIAL COUNT 1\n" + Entry(0, " Shiny", "255 0 0 255", "256 256 256 256", "50"));
    const scene::Vector& s = MaterialTable[0].specular;
    EXPECT_FLOAT_EQ(s.x, 0.5f);
    EXPECT_FLOAT_EQ(s.y, 0.5f);
    EXPECT_FLOAT_EQ(s.z, 0.5f);
    EXPECT_FLOAT_EQ(s.w, 0.5f);
}

TEST_F(MaterialFileTest, AKnownNameIsReusedAndItsValuesIgnored) {
    MaterialRemap first =
        Read("one", "MATERIAL COUNT 2\n" + Entry(0, " Wood") + Entry(1, " Wood", "0 255 0 255"));
    EXPECT_EQ(first.Find(0), 0);
    EXPECT_EQ(first.Find(1), 0) << "the same name twice in one file";
    MaterialRemap second =
        Read("two", "MATERIAL COUNT 2\n" + Entry(0, " Glass") +
                        Entry(1, " Wood", "0 255 0 255", "1 1 1 1", "1", "wood.tga"));
    ASSERT_EQ(MaterialTable.size(), 2u);
    EXPECT_EQ(second.Find(0), 1);
    EXPECT_EQ(second.Find(1), 0);
    EXPECT_FLOAT_EQ(MaterialTable[0].diffuse.y, 150 / 255.0f);
    EXPECT_EQ(Log().find("wood.tga"), std::string::npos) << "its texture is not loaded again";
    EXPECT_EQ(scene::FindMaterial(" Wood"), 0);
    EXPECT_EQ(scene::FindMaterial("Wood"), -1) << "names match exactly";
}

TEST_F(MaterialFileTest, AMissingFileGivesNoRemap) {
    MaterialRemap remap;
    scene::ReadMaterialFile("absent", remap);
    EXPECT_FALSE(remap.Exists());
    EXPECT_NE(Log().find("Starting load M3Files: absent\nAll Materials loaded succesfuly.\n"),
              std::string::npos);
}

TEST_F(MaterialFileTest, NoCountOrANonPositiveOneReadsNoEntries) {
    for (const char* header : {"MATERIAL COUNT 0\n", "MATERIAL COUNT -3\n", "MATERIAL KOUNT 2\n"}) {
        MaterialRemap remap = Read("a", header + Entry(0, " X"));
        EXPECT_TRUE(remap.Exists());
        EXPECT_EQ(remap.Find(0), -1);
    }
    EXPECT_TRUE(MaterialTable.empty());
}

TEST_F(MaterialFileTest, TruncatedAndHostileFilesKeepWhatWasRead) {
    std::string entry = Entry(0, " Cut");
    Read("a", "MATERIAL COUNT 2\n" + entry.substr(0, entry.find("Glossiness")));
    ASSERT_EQ(MaterialTable.size(), 1u);
    EXPECT_FLOAT_EQ(MaterialTable[0].opacity, 50.0f) << "values before the end are kept";
    EXPECT_FLOAT_EQ(MaterialTable[0].glossiness, 0.0f);
    EXPECT_NE(Log().find("Unexpected end of file a.m3m\n"), std::string::npos);

    // A count beyond the entries present keeps the entries; the remap is not sized by it.
    MaterialRemap huge = Read("b", "MATERIAL COUNT 2000000000\n" + Entry(0, " Y") + Entry(1, " W"));
    ASSERT_EQ(MaterialTable.size(), 3u);
    EXPECT_EQ(huge.Find(1), 2);

    MaterialRemap outside = Read("c", "MATERIAL COUNT 1\n" + Entry(5, " Z"));
    EXPECT_EQ(outside.Find(5), -1);
    EXPECT_EQ(MaterialTable.size(), 4u) << "the material itself is still read";
    EXPECT_NE(Log().find("MaterialID 5 outside 0..1 in c.m3m is not mapped"), std::string::npos);

    Read("d", "MATERIAL COUNT 1\nMaterialID = 0\nMATERIAL NAME");
    EXPECT_EQ(MaterialTable.size(), 4u) << "an entry without a name adds nothing";
}

TEST_F(MaterialFileTest, TheDefaultMaterialIsPlainWhite) {
    const scene::Material& d = scene::DefaultMaterial;
    EXPECT_EQ(d.name, "Default_Material");
    EXPECT_EQ(d.shaderType, "Default");
    EXPECT_FLOAT_EQ(d.diffuse.x + d.diffuse.y + d.diffuse.z + d.diffuse.w, 4.0f);
    EXPECT_FLOAT_EQ(d.ambient.w, 1.0f);
    EXPECT_FLOAT_EQ(d.specular.w, 0.0f);
    EXPECT_FLOAT_EQ(d.opacity, 100.0f);
    EXPECT_FLOAT_EQ(d.refractionAmount, 100.0f);
    EXPECT_EQ(d.diffuseMap.glName, -1);
    EXPECT_EQ(&scene::MaterialAt(-1), &scene::DefaultMaterial);
    EXPECT_EQ(&scene::MaterialAt(0), &scene::DefaultMaterial) << "the table is empty";
}

}  // namespace
