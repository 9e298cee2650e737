#!/usr/bin/env python3
"""Seeded faults: changes one comparison, bound or constant at a time, rebuilds the Debug
build, runs the test programs, and prints which tests caught each fault.

usage: scripts/seeded_faults.py [BUILD_DIR] [--only FILE_REGEX]
Run it on a clean working tree; every file is restored after its fault.
"""
import argparse
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (file, the text as it stands, the fault put in its place)
FAULTS = [
    ("console/settings.cpp", "if (number == 0 || number == 1) {", "if (number >= 0) {"),
    ("console/config.cpp", "(line.size() > 1 && line[1] == '/')", "(line.size() > 2 && line[1] == '/')"),
    ("console/console_screen.cpp", "if (console.viewLine - kPageLines >= 0) {",
     "if (console.viewLine - kPageLines > 0) {"),
    ("platform/message_queue.cpp", "windowMinimised = true;", "windowMinimised = false;"),
    ("platform/code_page_1251.cpp", "return 0x0410 + (byte - 0xC0);", "return 0x0410 + (byte - 0xBF);"),
    ("platform/random.cpp", "value = value * 214013u + 2531011u;", "value = value * 214013u + 2531013u;"),
    ("app/window.cpp", "if (window.cursorCentred && platform::HasInputFocus()) {", "if (true) {"),
    ("platform/jpeg.cpp", "info.out_color_space = JCS_RGB;", "info.out_color_space = JCS_YCbCr;"),
    ("render/tga.cpp", "size_t run = (packet & 0x7Fu) + 1;", "size_t run = (packet & 0x7Fu);"),
    ("render/tga.cpp", "image.width > kMaxTgaSide", "image.width > kMaxTgaSide * 4"),
    ("render/font.cpp", "int w = width + 2;", "int w = width + 1;"),
    ("render/texture.cpp", "{GL_LINEAR, GL_NEAREST, false},", "{GL_NEAREST, GL_NEAREST, false},"),
    ("scene/mesh_file.cpp", "index = in.ReadInt() - 1;", "index = in.ReadInt();"),
    ("scene/material_file.cpp", "ReadColor(in, \"Specular\", 1.0 / 256.0, m.specular);",
     "ReadColor(in, \"Specular\", 1.0 / 255.0, m.specular);"),
    ("scene/word_reader.cpp", "constexpr size_t kMaxWord = 254;", "constexpr size_t kMaxWord = 255;"),
    ("scene/animation.cpp", "int64_t next = k + 1 > last ? first : k + 1;",
     "int64_t next = k + 1 >= last ? first : k + 1;"),
    ("effects/glow.cpp", "constexpr double kFalloff = 2.2;", "constexpr double kFalloff = 2.0;"),
    ("effects/shadows.cpp", "constexpr float kShadowAlpha = 0.7f;", "constexpr float kShadowAlpha = 0.6f;"),
    ("effects/shadows.cpp", "!mesh.faces[static_cast<size_t>(other)].facing;",
     "mesh.faces[static_cast<size_t>(other)].facing;"),
    ("effects/particle_drawing.cpp", "return a.first > b.first;", "return a.first < b.first;"),
    ("production/camera_path.cpp", "if (i < 0 || i + 4 > static_cast<int64_t>(show.cameraPath.size())) {",
     "if (i < 0 || i + 3 > static_cast<int64_t>(show.cameraPath.size())) {"),
    ("production/camera_path.cpp", "float a = (v0 - 2.0f * v1 + v2) * 0.5f;",
     "float a = (v0 - 2.0f * v1 + v2) * 0.25f;"),
    ("production/captions.cpp", "constexpr float kTitleX = 70.0f;", "constexpr float kTitleX = 74.0f;"),
    ("production/schedule.cpp", "if (t > part.end) {", "if (t >= part.end) {"),
    ("production/schedule.cpp", "constexpr float kThreeSecondRamp = 1.0f / 30000.0f;",
     "constexpr float kThreeSecondRamp = 1.0f / 20000.0f;"),
    ("tools/capture/capture.cpp", "bool inRange = now >= options.from && now < options.to;",
     "bool inRange = now > options.from && now < options.to;"),
    ("tools/common/tga_writer.cpp", "descriptor |= 0x20;", "descriptor |= 0x10;"),
    ("tools/data/geometry/scene_writer.cpp", "\"%.7g\"", "\"%.5g\""),
    ("tools/data/scenes/camera_flight.cpp", "size_t after = i + 1 < w.size() ? i + 1 : i;",
     "size_t after = i + 2 < w.size() ? i + 1 : i;"),
    ("scene/triangle_batches.cpp", "if (!console::settings.render_flush ||",
     "if (console::settings.render_flush ||"),
    ("render/glh/glh_extensions.cpp", "CombinedExtensions().find(name + \" \")",
     "CombinedExtensions().find(name)"),
    ("scene/scene_drawing.cpp", "render_WireFrame ? GL_LINE : GL_FILL",
     "render_WireFrame ? GL_FILL : GL_FILL"),
    ("scene/camera_view.cpp", "if (position.Components() != lastPosition.Components()) {",
     "if (position.Components() == lastPosition.Components()) {"),
    ("tools/data/geometry/mesh_shapes.cpp", "Vector normal = edgeU.Cross(edgeV);",
     "Vector normal = edgeV.Cross(edgeU);"),
    ("tools/data/textures/title_plates.cpp", "int baseline = (plate.height - block) / 2",
     "int baseline = (plate.height - block) / 3"),
    ("render/vertex_buffer.cpp", "vertexBufferUnits /= 2;", "vertexBufferUnits /= 4;"),
    ("app/window.cpp", "input.keyDown[key] != 0 || input.pressUnseen[key] != 0;",
     "input.keyDown[key] != 0;"),
    ("app/window.cpp", "    render::ResizeScene(width, height);", "    render::ResizeScene(640, 480);"),
    # Starting anywhere: frames moved on undrawn, the sound at a start, reloading.
    ("production/frame_composition.cpp", "if (PartDraws(show.partIndex) == kDrawNothing ||",
     "if (PartDraws(show.partIndex) != kDrawNothing ||"),
    ("production/soundtrack.cpp", "constexpr int64_t kLateStart = 2500;",
     "constexpr int64_t kLateStart = 25000;"),
    ("production/soundtrack.cpp", "if (AudioDue() && show.audioOrigin < 0) {\n        show.audioOrigin = now;",
     "if (AudioDue() && show.audioOrigin < 0) {\n        show.audioOrigin = now - 400;"),
    ("platform/audio.cpp", "channel.position += got;\n        channel.playing", "channel.playing"),
    ("platform/audio.cpp", "frames -= got;", "frames -= got / 2 + 1;"),
    ("app/start_time.cpp", "ScheduleSeconds() < seconds) {", "ScheduleSeconds() <= seconds) {"),
    ("production/reload.cpp", "if (texture.name.empty() || !texture.Present()) {",
     "if (texture.name.empty() || texture.Present()) {"),
    ("production/reload.cpp", "if (show.cameraPath.empty()) {", "if (show.cameraPath.size() < 13) {"),
    ("render/texture.cpp", "{GL_NEAREST, GL_LINEAR_MIPMAP_NEAREST, true},",
     "{GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST, true},"),
    ("app/window.cpp", "if (window.cursorCentred) {", "if (true) {"),
    ("scene/neighbours.cpp", "if (count[(entries[0].key >> shift) & 0xFFFF] == entries.size()) {",
     "if (count[(entries[0].key >> shift) & 0xFFFF] * 2 > entries.size()) {"),
    ("tools/m3convert/model_import.cpp", "const bool mirrored = place.Determinant() < 0;",
     "const bool mirrored = place.Determinant() < -1;"),
    ("tools/m3convert/model_import.cpp", "for (int n = 2; taken.count(name) != 0; ++n) {",
     "for (int n = 2; taken.count(name) > 1; ++n) {"),
    ("tools/common/wav.cpp", "Put(out, static_cast<uint32_t>(2 * channels), 2);",
     "Put(out, static_cast<uint32_t>(2 * 2), 2);"),
    ("tools/capture/main.cpp", "report.framesWritten > 0 && report.notWritten.empty() ? 0 : 1;",
     "report.framesWritten > 0 ? 0 : 1;"),
    ("tools/common/whole_file.cpp", "if (std::fwrite(bytes, 1, size, stream_) != size) {",
     "if (std::fwrite(bytes, 1, size, stream_) != size && false) {"),
    ("production/camera_record.cpp", "if (KeepEarlierPath()) {", "if (KeepEarlierPath() || true) {"),
    ("app/page_capture.cpp", "options.fps = std::atof(value);",
     "options.fps = std::atoi(value);"),
    ("platform/text_line.cpp", "if (c == '\\n') {", "if (c == '\\r') {"),
    ("production/soundtrack.cpp", "console::Print(\"Can't play music the file\");\n        BASS_Free();",
     "console::Print(\"Can't play music the file\");"),
    ("production/soundtrack.cpp", "if (show.audioState != 0) {", "if (show.audioState >= 0) {"),
    ("render/display.cpp", "if (answer != platform::IDYES) {", "if (answer == platform::IDYES) {"),
    ("render/texture_units.cpp", "} else if (unit == 2) {", "} else {"),
    ("render/texture_units.cpp", "    texture.Bind();\n    SphereMapOff();", "    texture.Bind();"),
    ("scene/material_state.cpp", "material.diffuse.w = static_cast<float>(material.opacity * 0.01);",
     "material.diffuse.w = static_cast<float>(material.opacity * 0.1);"),
    ("scene/material_state.cpp", "glMaterialfv(GL_FRONT, GL_EMISSION, emission);",
     "glMaterialfv(GL_FRONT, GL_AMBIENT, emission);"),
    ("scene/mesh_drawing.cpp", "if (mesh.displayList <= -1) {", "if (mesh.displayList < -1) {"),
    ("scene/light.cpp", "glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, specular.x);",
     "glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, specular.y);"),
    ("scene/light.cpp", "if (hasSpecular) {", "if (hasDiffuse) {"),
    ("production/production.cpp", "content::kSeerScene, 100.0f, Vector(0, 0, 1000));",
     "content::kSeerScene, 100.0f, Vector(0, 0, 100));"),
    ("production/production.cpp", "show.fireMaterial, \"pfire\", 30);",
     "show.fireMaterial, \"pfire\", 20);"),
    # render/gles: the OpenGL 1.1 layer over ES 2, each slip held by gles_tests.
    ("render/gles/context.h", "    FlushBatch();\n    sent = value;", "    sent = value;"),
    ("render/gles/batch.cpp", "if (!batch.triangles.empty() && !(state == batch.state)) {", "if (false) {"),
    ("render/gles/batch.cpp", "triangles.begin(), triangles.end());",
     "triangles.begin(), triangles.end());\n    FlushBatch();"),
    ("render/gles/programs.cpp", "(lighting.localViewer ? kLocalViewer : 0)", "(false ? kLocalViewer : 0)"),
    ("render/gles/shaders.cpp", "vColor = clamp(vec4(color, diffuse.a), 0.0, 1.0);",
     "vColor = clamp(vec4(color + specular, diffuse.a), 0.0, 1.0);"),
    ("render/gles/shaders.cpp", "\"color.a > uAlphaReference\",", "\"color.a >= uAlphaReference\","),
    ("render/gles/draw.cpp", "polygon({0, i, i + 1});", "polygon({i - 1, i, i + 1});"),
    ("render/gles/immediate.cpp", "const bool filled = context.state.polygonMode == GL_FILL;",
     "const bool filled = true;"),
    ("render/gles/draw.cpp", "if (!draw.position || cull == sent.switches.end()", "if (true || cull == sent.switches.end()"),
    ("render/gles/display_lists.cpp", "if (carried & kCarriesColor) {", "if (false) {"),
    ("render/gles/display_lists.cpp", "CallList(TheContext().lists.base + offset);", "CallList(offset);"),
    ("render/gles/capabilities.cpp", "if (InList([capability] { Enable(capability); })) {", "if (false) {"),
    ("render/gles/programs.cpp", "result[n] = cofactors[n] * scale;",
     "result[n] = cofactors[n % 3 * 3 + n / 3] * scale;"),
    ("render/gles/programs.cpp", "std::memcmp(uniform.sent.data(), values, count * sizeof(GLfloat)) == 0",
     "true"),
    ("render/gles/programs.cpp", "SphereMapFeatures(unit1, kSphereMap1S, kSphereMap1T)",
     "SphereMapFeatures(unit1, kSphereMap1T, kSphereMap1S)"),
    ("render/gles/shaders.cpp", "(r.z + 1.0) * (r.z + 1.0)", "(r.z + 0.5) * (r.z + 0.5)"),
    ("render/gles/matrices.cpp", "Cross(forward, up, side);", "Cross(up, forward, side);"),
    ("render/gles/matrices.cpp", "cotangent / aspect,", "cotangent * aspect,"),
    ("render/gles/matrices.cpp", "    std::vector<Matrix>& stack = CurrentStack();\n    if (stack.size() < kStackDepth)",
     "    std::vector<Matrix>& stack = Current().modelView;\n    if (stack.size() < kStackDepth)"),
    ("render/gles/textures.cpp", "BoundTexture().hasMipmaps = true;", "BoundTexture().hasMipmaps = false;"),
    ("render/gles/textures.cpp", "if (scaledWidth == width && scaledHeight == height) {", "if (true) {"),
    ("render/gles/fixed_settings.cpp", "Transform(Current().modelView.back(), kept)", "kept"),
    ("render/gles/fixed_settings.cpp", "} else if (value >= 0 && value <= 128) {", "} else if (true) {"),
    ("render/gles/context.cpp", "TheContext() = Context();", "TheContext().state = State();"),
    # The multitexture path every real run draws, held by the gl tier.
    ("render/texture_units.cpp", "        SetTextureUnit(2, none);\n", ""),
    ("scene/material_state.cpp", "renderer.SetTextureUnit(2, material.reflectionMap);",
     "renderer.SetTextureUnit(2, material.diffuseMap);"),
]

# The fast tiers run for every fault; the slow ones only for faults the fast ones miss.
FAST = ["unit_tests", "gl_tests", "record_tests", "gles_tests"]
SLOW = ["e2e_tests"]


def run(command, cwd, env=None):
    return subprocess.run(command, cwd=cwd, capture_output=True, text=True, errors="replace",
                          env=env)


def failures(build, program):
    """Names of the tests of one test program that fail (or the program's crash)."""
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen")
    result = run([os.path.join(build, program)], build, env)
    failed = re.findall(r"^\[  FAILED  \] ([\w./]+)(?: \(|, where)", result.stdout, re.M)
    if result.returncode != 0 and not failed:
        return [f"{program} (exit {result.returncode})"]
    return sorted(set(failed))


def fuzz_failures(build):
    tests = run(["ctest", "-L", "fuzz"], build)
    return [line.split(" - ")[1].split(" (")[0] for line in tests.stdout.splitlines()
            if " - " in line and "(" in line and "Passed" not in line and "Not Run" not in line]


def remake_default_content(build):
    """The e2e tests copy the default content: make it with the build as it now is, so
    that a fault in the content tool reaches them as it would in a whole test run."""
    shutil.rmtree(os.path.join(build, "default-content"), ignore_errors=True)
    run(["ctest", "-R", "^default_content$"], build)


def slow_failures(build):
    remake_default_content(build)
    return caught_by(build, SLOW)


def caught_by(build, programs):
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        results = list(pool.map(lambda p: failures(build, p), programs))
    return [name for names in results for name in names]

def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build", "debug"))
    parser.add_argument("--only", default="", help="faults whose file matches this regex")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    faults = [f for f in FAULTS if re.search(args.only, f[0])]
    rows = []
    for number, (path, original, fault) in enumerate(faults, 1):
        file = os.path.join(ROOT, path)
        with open(file) as f:
            text = f.read()
        if text.count(original) != 1:
            rows.append((path, fault, "not applied: the text is not there once"))
            continue
        try:
            with open(file, "w") as f:
                f.write(text.replace(original, fault))
            built = run(["cmake", "--build", build, "-j", str(os.cpu_count())], ROOT)
            if built.returncode != 0:
                outcome = "caught by the compiler"
            else:
                failed = caught_by(build, FAST) + fuzz_failures(build) or slow_failures(build)
                outcome = "caught by " + ", ".join(failed) if failed else "NOT CAUGHT"
        finally:
            with open(file, "w") as f:
                f.write(text)
        rows.append((path, fault, outcome))
        print(f"[{number}/{len(faults)}] {path}: {outcome}", flush=True)
    run(["cmake", "--build", build, "-j", str(os.cpu_count())], ROOT)
    remake_default_content(build)
    print("\n| file | fault | outcome |\n|---|---|---|")
    for path, fault, outcome in rows:
        print(f"| {path} | `{fault}` | {outcome} |")
    return 1 if any(outcome == "NOT CAUGHT" for _, _, outcome in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
