// Vertex animation: the key-frame and weight files, sampling, slerp and deformation.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "scene/animation.h"
#include "scene/animation_files.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "support/process_test.h"

namespace {

using scene::Quaternion;
using scene::Scene;
using scene::Track;
using scene::Vector;

const float kHalf = std::sqrt(0.5f);

// Key k of a track: translation (k, 0, 0) in engine axes, no rotation.
Track CountingTrack(int keys, int64_t period) {
    Track track;
    for (int k = 0; k < keys; ++k) {
        track.pivots.push_back(Vector(0, static_cast<float>(k), 0));
        track.translations.push_back(Vector(static_cast<float>(k), 0, 0));
        track.rotations.push_back(Quaternion(0, 0, 0, 1));
    }
    track.period = period;
    return track;
}

// Frames `first` to `last` loop, each key `period` long; a clip it cannot play leaves
// the last sample (-1 here).
TEST(SampleTrack, InterpolatesAndLoopsFromTheClipsFirstFrame) {
    // Keys, period, time, clip and the x sampled.
    const std::tuple<int, int64_t, int64_t, int32_t, int32_t, float> cases[] = {
        {5, 100, 250, 1, 4, 3.5f},  {5, 100, 350, 1, 4, 2.5f},   // after frame 4 comes 1 again
        {5, 100, 400, 1, 4, 1.0f},  {5, 100, 0, 1, 4, 1.0f},     // never the rest pose
        {3, 100, 250, 1, 4, -1.0f},                              // frame 3 has no key
        {3, 100, 50, 3, 1, -1.0f},  {3, 100, -50, 1, 2, -1.0f},  // empty clip, before the clock
        {3, 0, 50, 1, 2, -1.0f},
    };
    for (const auto& [keys, period, t, first, last, x] : cases) {
        Track track = CountingTrack(keys, period);
        track.translation.x = -1.0f;
        scene::SampleTrack(track, t, first, last);
        EXPECT_FLOAT_EQ(track.translation.x, x) << t << " in " << first << ".." << last;
    }
    Track track = CountingTrack(5, 100);
    scene::SampleTrack(track, 250, 1, 4);
    EXPECT_FLOAT_EQ(track.pivot.y, 3.5f);
    EXPECT_FLOAT_EQ(track.matrix.m[12], 3.5f);
    EXPECT_FLOAT_EQ(track.matrix.m[0], 1.0f);
}

// The same rotation with either sign is reached the short way; close keys fall back to
// linear interpolation.
TEST(Slerp, TakesTheShortWayAndFallsBackToLinearForCloseKeys) {
    Quaternion quarter(0, kHalf, 0, kHalf);  // 90 degrees about y
    Quaternion quarterNegated(0, -kHalf, 0, -kHalf);
    for (const Quaternion& to : {quarter, quarterNegated}) {
        Quaternion q = scene::Slerp(Quaternion(0, 0, 0, 1), to, 0.5f);
        EXPECT_NEAR(q.y, std::sin(M_PI / 8), 1e-6);
        EXPECT_NEAR(q.w, std::cos(M_PI / 8), 1e-6);
    }
    Quaternion same = scene::Slerp(quarter, quarterNegated, 0.25f);
    EXPECT_NEAR(same.y, kHalf, 1e-6);
    EXPECT_NEAR(same.w, kHalf, 1e-6);
}

const char kRestPose[] =
    "NumFrames 1\nFrame 0\nBone01 0 0 0 : 0 0 0 : 0 0 0 1\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n";
const char kClip[] =
    "NumFrames 2\nFrame 1\nBone01 0 0 0 : 0 0 10 : 0 0 0 1\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n"
    "Frame 2\nBone01 0 0 0 : 0 0 20 : 0 1 0 0\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n";

// A scene with the example-sized animated mesh: three vertices along x.
class AnimationFilesTest : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        folder.Write("a.m3f",
                     "TOTAL = 1\nMESH Arm\nMatID 0\nNumVerts 3\n"
                     "0 0 0 0 0 1\n10 0 0 0 0 1\n20 0 0 0 0 1\n"
                     "NumFace 1\n1 2 3 0 0 1 0 1 1 0 0 1\n");
        scene::WordReader in;
        ASSERT_TRUE(in.Open("a.m3f"));
        scene::ReadMeshFile(in, {}, {}, scene);
    }

    // The rest pose and the clip, with `weights` unless empty.
    const scene::AnimatedObject& Load(const char* weights, float scale = 1.0f) {
        folder.Write("a.m3vba0", kRestPose);
        folder.Write("a.m3vba", kClip);
        if (*weights) {
            folder.Write("a.m3vw", weights);
        }
        scene::LoadAnimation(scene, "a", scale, 1000);
        return scene.animatedObjects.back();
    }

    Scene scene;
};

TEST_F(AnimationFilesTest, RestPoseAndClipMakeOneAnimatedObject) {
    const scene::AnimatedObject& animated = Load("", 2.0f);
    ASSERT_EQ(scene.animatedObjects.size(), 1u);
    EXPECT_FALSE(scene.objects[0].visible) << "only the animated copy is drawn";
    ASSERT_EQ(animated.tracks.size(), 2u);
    // Key 0 from the rest pose, keys 1 and 2 from the clip.
    ASSERT_EQ((std::vector<int64_t>{animated.objectIndex, animated.firstFrame, animated.lastFrame,
                                    int64_t(animated.tracks[0].translations.size()),
                                    animated.tracks[0].period}),
              (std::vector<int64_t>{0, 1, 2, 3, 500}));
    const Track& bone = animated.tracks[0];
    EXPECT_FLOAT_EQ(bone.translations[2].y, 40.0f) << "file z becomes y, scaled";
    EXPECT_FLOAT_EQ(bone.translations[2].w, 2.0f) << "all four components are scaled";
    const Quaternion& r = bone.rotations[2];  // (a, b, c, d) becomes (-a, c, b, -d)
    EXPECT_EQ((std::vector<float>{r.x, r.y, r.z, r.w}), (std::vector<float>{0, 0, 1, 0}));
    EXPECT_NE(Log().find("Load: a.m3vba0\nLoad: a.m3vba\n"), std::string::npos);
}

// Each vertex keeps its largest influence, bone-local; deforming moves it rigidly with
// that bone.
TEST_F(AnimationFilesTest, WeightsBindToTheLargestInfluenceAndMoveWithTheirBones) {
    const scene::AnimatedObject& animated =
        Load("NumVertex 3\n1 1 1.0\n2 2 0.25 1 0.75\n1 2 1.0\n");
    ASSERT_EQ(animated.weights.size(), 3u);
    EXPECT_EQ(animated.weights[1].bone, 0) << "bone 1 with 0.75 wins over bone 2 with 0.25";
    EXPECT_FLOAT_EQ(animated.weights[1].amounts[0], 1.0f);
    EXPECT_EQ(scene.meshes[0].vertices[2].animation, 0);
    // Vertex 2 sits at (-20, 0, 0), 10 along -x from bone 2's rest position.
    const Vector& local = animated.restMesh.vertices[2].position;
    EXPECT_EQ(local.Components(), Vector(-10, 0, 0, local.w).Components());
    scene.UpdateAnimation(0);
    const scene::Mesh& mesh = animated.mesh;
    // Frame 1: bone 1 at (0, 10, 0) unturned; vertex 1 rests 10 along -x from it.
    EXPECT_FLOAT_EQ(mesh.vertices[1].position.x, -10.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[1].position.y, 10.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[2].position.x, -20.0f) << "bone 2 did not move";
    // Half a frame on, bone 1 is at y = 15 and half way through a half turn about z
    // (the file's y axis): -x turns to +y, and the normal +y to +x.
    scene.UpdateAnimation(250);
    EXPECT_NEAR(mesh.vertices[1].position.x, 0.0f, 1e-4);
    EXPECT_NEAR(mesh.vertices[1].position.y, 25.0f, 1e-4);
    EXPECT_NEAR(mesh.vertices[1].normal.x, 1.0f, 1e-5);
    EXPECT_NEAR(mesh.vertices[1].normal.Length(), 1.0f, 1e-5);
}

TEST_F(AnimationFilesTest, OnlyAClipCreatesItsTracksFromFrameZero) {
    folder.Write("a.m3vba",
                 "NumFrames 2\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n"
                 "Frame 1\nB 0 0 0 : 2 0 0 : 0 0 0 1\nC 0 0 0 : 0 0 0 : 0 0 0 1\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    const scene::AnimatedObject& animated = scene.animatedObjects[0];
    ASSERT_EQ(animated.tracks.size(), 1u);
    EXPECT_EQ((std::vector<int64_t>{animated.firstFrame, animated.lastFrame,
                                    int64_t(animated.tracks[0].translations.size()),
                                    animated.tracks[0].period}),
              (std::vector<int64_t>{0, 1, 2, 50}));
    EXPECT_NE(Log().find("Entries beyond the 1 tracks in a.m3vba dropped"), std::string::npos);
}

// Damaged clips and weights: a log line, and an object that stays still without weights.
TEST_F(AnimationFilesTest, DamagedFilesAreReportedAndStayStill) {
    // The clip, the weights, the key period and the log line.
    const std::tuple<const char*, const char*, int64_t, const char*> cases[] = {
        {kClip, "NumVertex 2\n1 1 1.0\n1 1 1.0\n", 100,
         "Weights for 2 vertices in a.m3vw do not fit a mesh of 3 vertices"},
        {kClip, "NumVertex 3\n1 1 1.0\n1 7 1.0\n1 1 1.0\n", 100,
         "Bone 7 in a.m3vw is not one of the 2 tracks"},
        {"NumFrames 0\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n", "", 100, "No frames in a.m3vba"},
        {"NumFrames 2\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n", "", 1,
         "Track 0 of a.m3vba cannot play frames 0 to 0"},
    };
    for (const auto& [clip, weights, period, logLine] : cases) {
        folder.Write("a.m3vba", clip);
        folder.Write("a.m3vw", weights);
        scene::LoadAnimation(scene, "a", 1.0f, period);
        EXPECT_TRUE(scene.animatedObjects.back().weights.empty()) << logLine;
        EXPECT_NE(Log().find(logLine), std::string::npos) << logLine;
        scene.UpdateAnimation(1000);
    }
    folder.Write("a.m3vba", "NumFrames 1\nFrame 0\nB 0 0 0 : 1 0");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects.back().tracks[0].translations.empty())
        << "a key cut short is not kept";
}

TEST_F(AnimationFilesTest, NothingToAnimateWithoutAMesh) {
    folder.Write("e.m3vba", kClip);
    folder.Write("e.m3vw", "NumVertex 1\n1 1 1\n");
    Scene empty;
    scene::LoadAnimation(empty, "e", 1.0f, 100);
    EXPECT_TRUE(empty.animatedObjects.empty());
    EXPECT_NE(Log().find("No mesh to animate for e.m3vba"), std::string::npos);
    EXPECT_NE(Log().find("No animated object for e.m3vw"), std::string::npos);
}

}  // namespace
