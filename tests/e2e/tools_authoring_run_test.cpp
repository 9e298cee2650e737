// The authoring tools run for real: m3convert on a model that assimp's own exporter wrote in
// each format it writes, and on input it must refuse; torvane-campath through CSV and back.
#include <gtest/gtest.h>

#include <string>

#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/test_models.h"
#include "tools/data/camera_path.h"
#include "tools/data/content_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunCommand;

constexpr const char* kAssimp = "/usr/bin/assimp";

int Convert(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {ProgramPath("m3convert")};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return RunCommand(command, {"SDL_VIDEODRIVER=offscreen"});
}

TEST(M3convertRun, ModelsFromAssimpsExporterConvertAndPreview) {
    if (RunCommand({kAssimp, "version"}, {}) != 0) {
        GTEST_SKIP() << "assimp-utils is not installed";
    }
    testing_support::TempFolder folder;
    testing_support::WriteTexturedBox(folder);
    // Binary FBX from this exporter is refused by assimp's own reader; ASCII FBX is read.
    const struct {
        const char* file;
        const char* format;
    } cases[] = {{"box.obj", nullptr}, {"box.glb", "glb2"},    {"box.gltf", "gltf2"},
                 {"box.3ds", "3ds"},   {"box.dae", "collada"}, {"box.fbx", "fbxa"},
                 {"box.ply", "ply"},   {"box.stl", "stl"}};
    for (const auto& c : cases) {
        if (c.format) {
            ASSERT_EQ(RunCommand(
                          {kAssimp, "export", "box.obj", c.file, std::string("-f") + c.format}, {}),
                      0)
                << c.file;
        }
        std::string base = std::string("out/") + c.file;
        ASSERT_EQ(Convert({c.file, base, "--scale", "10"}), 0) << c.file;
        EXPECT_NE(folder.Read(base + ".m3f").find("NumFace 12"), std::string::npos) << c.file;
    }
    // The preview draws what the engine reads back, whatever the source format was.
    ASSERT_EQ(Convert({"box.obj", "out/box", "--preview", "out/box.png"}), 0);
    EXPECT_EQ(folder.Read("out/box.png").compare(1, 3, "PNG"), 0);
    EXPECT_EQ(Convert({"missing.obj", "out/missing"}), 1);
    EXPECT_EQ(Convert({"box.obj"}), 2) << "no base path";
    EXPECT_EQ(Convert({"box.obj", "out/box", "--scale", "0"}), 2);
}

TEST(CampathRun, DumpThenBuildReproducesTheShowPath) {
    testing_support::TempFolder folder;
    tools::data::ContentFolder content(folder.path(), nullptr);
    tools::data::WriteCameraPath(content);
    std::string campath = ProgramPath("torvane-campath");
    ASSERT_EQ(RunCommand({"/bin/sh", "-c", campath + " dump Campath1.vcp > path.csv"}, {}), 0);
    ASSERT_EQ(RunCommand({campath, "build", "path.csv", "rebuilt.vcp"}, {}), 0);
    EXPECT_EQ(folder.Read("rebuilt.vcp"), folder.Read("Campath1.vcp"));
    EXPECT_EQ(RunCommand({campath, "check", "Campath1.vcp"}, {}), 0);
    ASSERT_EQ(RunCommand({campath, "plot", "Campath1.vcp", "route.png"}, {}), 0);
    EXPECT_EQ(folder.Read("route.png").compare(1, 3, "PNG"), 0);
    folder.Write("broken.csv", "0,1,2\n");
    EXPECT_EQ(RunCommand({campath, "build", "broken.csv", "out.vcp"}, {}), 1);
}

}  // namespace
