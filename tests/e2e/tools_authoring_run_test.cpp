// The authoring tools run for real: m3convert on a model that assimp's own exporter wrote in
// each format it writes, its preview, and input it must refuse; torvane-campath through CSV
// and back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "support/png_file.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/test_models.h"
#include "tools/data/content_folder.h"
#include "tools/data/scenes/camera_path.h"
#include "tools/m3convert/preview.h"

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
    const std::pair<std::string, std::string> cases[] = {
        {"box.obj", ""},        {"box.glb", "glb2"}, {"box.gltf", "gltf2"}, {"box.3ds", "3ds"},
        {"box.dae", "collada"}, {"box.fbx", "fbxa"}, {"box.ply", "ply"},    {"box.stl", "stl"}};
    for (const auto& [file, format] : cases) {
        if (!format.empty()) {
            ASSERT_EQ(RunCommand({kAssimp, "export", "box.obj", file, "-f" + format}, {}), 0)
                << file;
        }
        ASSERT_EQ(Convert({file, "out/" + file, "--scale", "10"}), 0) << file;
        EXPECT_NE(folder.Read("out/" + file + ".m3f").find("NumFace 12"), std::string::npos)
            << file;
    }
    // The preview shows both colours of the box's checker texture in each of its three views.
    ASSERT_EQ(Convert({"box.obj", "out/box", "--preview", "out/box.png"}), 0);
    testing_support::RgbaImage preview = testing_support::ReadPng("out/box.png");
    for (int view = 0; view < 3; ++view) {
        int red = 0, blue = 0;
        for (size_t i = 0; i < preview.pixels.size(); i += 4) {
            const uint8_t* p = &preview.pixels[i];
            bool inView = int(i / 4) % preview.width / tools::m3convert::kPreviewViewSize == view;
            red += inView && p[0] > 100 && p[0] > 3 * p[2];
            blue += inView && p[2] > 100 && p[2] > 3 * p[0];
        }
        EXPECT_GT(std::min(red, blue), 1000) << "view " << view;
    }
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
