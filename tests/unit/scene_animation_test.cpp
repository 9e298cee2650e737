// Vertex animation: the key-frame and weight files, sampling, slerp and deformation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/log.h"
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

TEST(SampleTrack, HalfwayBetweenFramesThreeAndFourAt250) {
    Track track = CountingTrack(5, 100);
    scene::SampleTrack(track, 250, 1, 4);
    EXPECT_FLOAT_EQ(track.translation.x, 3.5f);
    EXPECT_FLOAT_EQ(track.pivot.y, 3.5f);
    EXPECT_FLOAT_EQ(track.matrix.m[12], 3.5f);
    EXPECT_FLOAT_EQ(track.matrix.m[15], 1.0f);
    EXPECT_FLOAT_EQ(track.matrix.m[0], 1.0f);
}

TEST(SampleTrack, TheClipLoopsFromItsFirstFrameAndNeverShowsTheRestPose) {
    Track track = CountingTrack(5, 100);
    scene::SampleTrack(track, 350, 1, 4);
    EXPECT_FLOAT_EQ(track.translation.x, 2.5f) << "after frame 4 comes frame 1 again";
    scene::SampleTrack(track, 400, 1, 4);
    EXPECT_FLOAT_EQ(track.translation.x, 1.0f);
    scene::SampleTrack(track, 0, 1, 4);
    EXPECT_FLOAT_EQ(track.translation.x, 1.0f);
}

TEST(SampleTrack, ClipsItCannotPlayLeaveTheSampleAlone) {
    Track track = CountingTrack(3, 100);
    scene::SampleTrack(track, 150, 1, 2);
    ASSERT_FLOAT_EQ(track.translation.x, 1.5f);
    scene::SampleTrack(track, 250, 1, 4);  // frame 3 has no key
    scene::SampleTrack(track, 50, 3, 1);   // empty clip
    scene::SampleTrack(track, -50, 1, 2);  // before the clock started
    track.period = 0;
    scene::SampleTrack(track, 50, 1, 2);
    EXPECT_FLOAT_EQ(track.translation.x, 1.5f);
}

TEST(Slerp, TakesTheShortWayAndFallsBackToLinearForCloseKeys) {
    Quaternion none(0, 0, 0, 1);
    Quaternion quarter(0, kHalf, 0, kHalf);  // 90 degrees about y
    Quaternion quarterNegated(0, -kHalf, 0, -kHalf);
    Quaternion a = scene::Slerp(none, quarter, 0.5f);
    Quaternion b = scene::Slerp(none, quarterNegated, 0.5f);
    EXPECT_NEAR(a.y, std::sin(M_PI / 8), 1e-6);
    EXPECT_NEAR(a.w, std::cos(M_PI / 8), 1e-6);
    EXPECT_NEAR(b.y, a.y, 1e-6) << "the same rotation with opposite signs";
    EXPECT_NEAR(b.w, a.w, 1e-6);
    Quaternion same = scene::Slerp(quarter, quarterNegated, 0.25f);
    EXPECT_NEAR(same.y, kHalf, 1e-6);
    EXPECT_NEAR(same.w, kHalf, 1e-6);
}

TEST(Quaternion, ProductComposesRotations) {
    Quaternion quarter(0, kHalf, 0, kHalf);
    Quaternion half = quarter * quarter;
    EXPECT_NEAR(half.y, 1.0f, 1e-6);
    EXPECT_NEAR(half.w, 0.0f, 1e-6);
    scene::Matrix m = scene::RotationTranslation(quarter, Vector(1, 2, 3));
    Vector p = scene::TransformPoint(m, Vector(1, 0, 0));
    EXPECT_NEAR(p.x, 1.0f, 1e-6);
    EXPECT_NEAR(p.z, 2.0f, 1e-6) << "x turns to -z, then moves by (1, 2, 3)";
    Vector n = scene::TransformDirection(m, Vector(1, 0, 0));
    EXPECT_NEAR(n.z, -1.0f, 1e-6) << "directions are not moved";
    EXPECT_EQ(scene::RotationTranslation(Quaternion(), Vector(0, 0, 0)), scene::identityMatrix);
}

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

    Scene scene;
};

const char kRestPose[] =
    "NumFrames 1\nFrame 0\nBone01 0 0 0 : 0 0 0 : 0 0 0 1\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n";
const char kClip[] =
    "NumFrames 2\nFrame 1\nBone01 0 0 0 : 0 0 10 : 0 0 0 1\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n"
    "Frame 2\nBone01 0 0 0 : 0 0 20 : 0 1 0 0\n"
    "Bone02 0 0 0 : 10 0 0 : 0 0 0 1\n";

TEST_F(AnimationFilesTest, RestPoseAndClipMakeOneAnimatedObject) {
    folder.Write("a.m3vba0", kRestPose);
    folder.Write("a.m3vba", kClip);
    scene::LoadAnimation(scene, "a", 2.0f, 1000);
    ASSERT_EQ(scene.animatedObjects.size(), 1u);
    const scene::AnimatedObject& animated = scene.animatedObjects[0];
    EXPECT_EQ(animated.objectIndex, 0);
    EXPECT_FALSE(scene.objects[0].visible) << "only the animated copy is drawn";
    EXPECT_EQ(animated.firstFrame, 1);
    EXPECT_EQ(animated.lastFrame, 2);
    EXPECT_EQ(animated.frameCount, 2);
    EXPECT_EQ(animated.mesh.vertices.size(), 3u);
    ASSERT_EQ(animated.tracks.size(), 2u);
    const Track& bone = animated.tracks[0];
    ASSERT_EQ(bone.translations.size(), 3u) << "key 0 from the rest pose, keys 1 and 2";
    EXPECT_EQ(bone.period, 500);
    EXPECT_FLOAT_EQ(bone.translations[2].y, 40.0f) << "file z becomes y, scaled";
    EXPECT_FLOAT_EQ(bone.translations[2].w, 2.0f) << "all four components are scaled";
    const Quaternion& r = bone.rotations[2];
    EXPECT_EQ(r.x, -0.0f);
    EXPECT_EQ(r.y, 0.0f);
    EXPECT_EQ(r.z, 1.0f) << "(a, b, c, d) becomes (-a, c, b, -d)";
    EXPECT_EQ(r.w, -0.0f);
    EXPECT_NE(Log().find("Load: a.m3vba0\n"), std::string::npos);
    EXPECT_NE(Log().find("Load: a.m3vba\n"), std::string::npos);
}

TEST_F(AnimationFilesTest, WeightsKeepTheLargestInfluenceAndBindToTheBones) {
    folder.Write("a.m3vba0", kRestPose);
    folder.Write("a.m3vba", kClip);
    folder.Write("a.m3vw", "NumVertex 3\n1 1 1.0\n2 1 0.25 2 0.75\n1 2 1.0\n");
    scene::LoadAnimation(scene, "a", 1.0f, 1000);
    const scene::AnimatedObject& animated = scene.animatedObjects[0];
    ASSERT_EQ(animated.weights.size(), 3u);
    EXPECT_EQ(animated.weights[1].bone, 1) << "bone 2 with 0.75 wins over bone 1 with 0.25";
    EXPECT_EQ(animated.weights[1].used, 1);
    EXPECT_FLOAT_EQ(animated.weights[1].amounts[0], 1.0f);
    EXPECT_FLOAT_EQ(animated.weights[1].amounts[1], 0.25f);
    EXPECT_EQ(scene.meshes[0].vertices[2].animation, 0);
    // Vertex 1 sits at (-10, 0, 0), bone 2's rest position: bone-local it is the origin.
    const Vector& local = animated.restMesh.vertices[1].position;
    EXPECT_FLOAT_EQ(local.x, 0.0f);
    EXPECT_FLOAT_EQ(local.y, 0.0f);
}

TEST_F(AnimationFilesTest, DeformingMovesVerticesRigidlyWithTheirBones) {
    folder.Write("a.m3vba0", kRestPose);
    folder.Write("a.m3vba", kClip);
    folder.Write("a.m3vw", "NumVertex 3\n1 1 1.0\n1 1 1.0\n1 2 1.0\n");
    scene::LoadAnimation(scene, "a", 1.0f, 1000);
    scene.UpdateAnimation(0);
    const scene::Mesh& mesh = scene.animatedObjects[0].mesh;
    // Frame 1: bone 1 at (0, 10, 0) unturned; vertex 1 rests 10 along -x from it.
    EXPECT_FLOAT_EQ(mesh.vertices[1].position.x, -10.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[1].position.y, 10.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[2].position.x, -20.0f) << "bone 2 did not move";
    // Half a frame on, bone 1 is at y = 15 and half way through a half turn about z
    // (the file's y axis): -x turns to +y, and the normal +y to +x.
    scene.UpdateAnimation(250);
    EXPECT_EQ(scene.animationClock, 250);
    EXPECT_NEAR(mesh.vertices[1].position.x, 0.0f, 1e-4);
    EXPECT_NEAR(mesh.vertices[1].position.y, 25.0f, 1e-4);
    EXPECT_NEAR(mesh.vertices[1].position.z, 0.0f, 1e-4);
    EXPECT_NEAR(mesh.vertices[1].normal.x, 1.0f, 1e-5);
    EXPECT_NEAR(mesh.vertices[1].normal.Length(), 1.0f, 1e-5);
}

TEST_F(AnimationFilesTest, OnlyAClipCreatesItsTracksFromFrameZero) {
    folder.Write("a.m3vba",
                 "NumFrames 2\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n"
                 "Frame 1\nB 0 0 0 : 2 0 0 : 0 0 0 1\nC 0 0 0 : 0 0 0 : 0 0 0 1\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    const scene::AnimatedObject& animated = scene.animatedObjects[0];
    EXPECT_EQ(animated.firstFrame, 0);
    EXPECT_EQ(animated.lastFrame, 1);
    ASSERT_EQ(animated.tracks.size(), 1u);
    EXPECT_EQ(animated.tracks[0].translations.size(), 2u);
    EXPECT_EQ(animated.tracks[0].period, 50);
    EXPECT_NE(Log().find("Entries beyond the 1 tracks in a.m3vba dropped"), std::string::npos);
}

TEST_F(AnimationFilesTest, BadWeightFilesAreRejectedWhole) {
    folder.Write("a.m3vba", kClip);
    folder.Write("a.m3vw", "NumVertex 2\n1 1 1.0\n1 1 1.0\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects[0].weights.empty());
    EXPECT_NE(Log().find("Weights for 2 vertices in a.m3vw do not fit a mesh of 3 vertices"),
              std::string::npos);

    folder.Write("a.m3vw", "NumVertex 3\n1 1 1.0\n1 7 1.0\n1 1 1.0\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects.back().weights.empty());
    EXPECT_NE(Log().find("Bone 7 in a.m3vw is not one of the 2 tracks"), std::string::npos);

    folder.Write("a.m3vw", "NumVertex 3\n1 1 1.0\n900000000 1 1.0\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects.back().weights.empty());
    EXPECT_NE(Log().find("Rejected influence count 900000000"), std::string::npos);
    scene.UpdateAnimation(10);  // nothing to deform, nothing touched
}

TEST_F(AnimationFilesTest, ClipsThatCannotPlayAreReportedAndStayStill) {
    folder.Write("a.m3vba", "NumFrames 0\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_NE(Log().find("No frames in a.m3vba"), std::string::npos);
    folder.Write("a.m3vba", "NumFrames 2\nFrame 0\nB 0 0 0 : 1 0 0 : 0 0 0 1\n");
    scene::LoadAnimation(scene, "a", 1.0f, 1);
    EXPECT_NE(Log().find("Track 0 of a.m3vba cannot play frames 0 to 0"), std::string::npos);
    folder.Write("a.m3vba", "NumFrames 1\nFrame 0\nB 0 0 0 : 1 0");
    scene::LoadAnimation(scene, "a", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects.back().tracks[0].translations.empty())
        << "a key cut short is not kept";
    scene.UpdateAnimation(1000);
}

using AnimationFiles = testing_support::ProcessTest;

TEST_F(AnimationFiles, NothingToAnimateWithoutAMesh) {
    folder.Write("e.m3vba", kClip);
    folder.Write("e.m3vw", "NumVertex 1\n1 1 1\n");
    Scene scene;
    scene::LoadAnimation(scene, "e", 1.0f, 100);
    EXPECT_TRUE(scene.animatedObjects.empty());
    EXPECT_NE(Log().find("No mesh to animate for e.m3vba"), std::string::npos);
    EXPECT_NE(Log().find("No animated object for e.m3vw"), std::string::npos);
}

}  // namespace
