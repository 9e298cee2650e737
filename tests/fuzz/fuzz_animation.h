// The animated scene that the key-frame and weight targets load their files onto.
#pragma once

#include "scene/scene.h"

namespace fuzzing {

// A scene whose last mesh has three vertices along x, read from a mesh file.
void ReadAnimatedMesh(scene::Scene& scene);
// Loads "a.m3vba0", "a.m3vba" and "a.m3vw" onto the scene and plays two seconds of it.
void LoadAndPlay(scene::Scene& scene);

}  // namespace fuzzing
