// LoadScene on a real context: its log lines, the material colour on the vertices, the
// animation only when asked for, and what a missing mesh file leaves.
#include <gtest/gtest.h>

#include <string>

#include "scene/scene.h"
#include "support/gl_context.h"
#include "support/log_lines.h"
#include "support/test_images.h"

namespace {

const char kMaterials[] =
    "MATERIAL COUNT 1\nMaterialID = 0\nMATERIAL NAME = Floor stone\nShader Type = Leaf\n"
    "Wire Color = 0 0 0 255\nAmbient Color = 0 0 0 255\nDiffuse Color = 255 128 0 255\n"
    "Specular Color = 0 0 0 255\nSelf-illumination = 0\nOpacity = 100\nSpecular level = 0\n"
    "Glossiness = 10\nDIFFUSE MAP = floor.tga\nAmount 100\nOPACITY MAP = NONE\nAmount 100\n"
    "BUMP MAP = NONE\nAmount 100\nREFLECTION MAP = NONE\nAmount 100\n"
    "REFRACTION MAP = NONE\nAmount 100\n";

const char kMeshes[] =
    "TOTAL = 1\nMESH Floor01\nMatID 0\nNumVerts 4\n"
    "0 0 0 0 0 1\n10 0 0 0 0 1\n10 10 0 0 0 1\n0 10 0 0 0 1\n"
    "NumFace 2\n1 2 3 0 0 1 0 1 1 0 0 1\n1 3 4 0 0 1 1 0 1 0 0 1\n";

using LoadScene = testing_support::GlTest;

TEST_F(LoadScene, MaterialsTexturesAndMeshesLoadWithTheirLines) {
    scene::Scene scene;
    folder.Write("Data/Hall/Hall.m3m", kMaterials);
    folder.Write("Data/Hall/Hall.m3f", kMeshes);
    folder.Write("Data/Hall/floor.tga",
                 testing_support::RgbaTga(2, 2, std::vector<uint8_t>(16, 200)));
    scene.LoadScene("Data\\Hall\\Hall", 1.0f, false, 0, scene::Vector(0, 0, 0), {});
    ASSERT_EQ(scene.meshes.size(), 1u);
    EXPECT_FLOAT_EQ(scene.meshes[0].vertices[0].color.y, 128 / 255.0f);
    testing_support::ExpectLinesInOrder(Log(), {"Loaded: Data\\Hall\\floor.tga",
                                                "All Materials loaded succesfuly.\nLoad: "
                                                "Data\\Hall\\Hall.m3f\nObject-data is loaded."});
    EXPECT_EQ(Log().find("Try to load animation"), std::string::npos);
}

// A missing mesh file ends the load before the animation; without materials the
// meshes take the default one.
TEST_F(LoadScene, AMissingMeshFileEndsTheLoadAndMaterialsAreOptional) {
    const char animation[] = "NumFrames 1\nFrame 0\nB 0 0 0 : 0 0 0 : 0 0 0 1\n";
    folder.Write("a.m3vba", animation);
    scene::Scene scene;
    scene.LoadScene("a", 1.0f, true, 100, scene::Vector(0, 0, 0), {});
    EXPECT_TRUE(scene.meshes.empty());
    EXPECT_TRUE(scene.animatedObjects.empty());
    EXPECT_NE(Log().find("All Materials loaded succesfuly.\nFile a.m3f not found!\n"),
              std::string::npos);

    folder.Write("b.m3f", kMeshes);
    folder.Write("b.m3vba", animation);
    scene::Scene b;
    b.LoadScene("b", 2.0f, true, 100, scene::Vector(0, 0, 1), {});
    ASSERT_EQ(b.meshes.size(), 1u);
    EXPECT_EQ(b.meshes[0].materialIndex, -1);
    EXPECT_FLOAT_EQ(b.meshes[0].vertices[1].position.x, -20.0f);
    EXPECT_FLOAT_EQ(b.meshes[0].vertices[1].position.z, 1.0f);
    EXPECT_NE(Log().find("Try to load animation...\nLoad: b.m3vba\n"), std::string::npos);
    EXPECT_EQ(b.animatedObjects.size(), 1u);
}

}  // namespace
