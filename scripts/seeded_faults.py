#!/usr/bin/env python3
"""Seeded faults: changes one comparison, bound or constant at a time, rebuilds the Debug
build and runs the fast test tiers, and prints which faults some test caught.

usage: scripts/seeded_faults.py [BUILD_DIR] [--labels REGEX]
Run it on a clean working tree; every file is restored after its fault.
"""
import argparse
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (file, the text as it stands, the fault put in its place)
FAULTS = [
    ("console/settings.cpp", "if (number == 0 || number == 1) {", "if (number >= 0) {"),
    ("console/config.cpp", "(line.size() > 1 && line[1] == '/')", "(line.size() > 2 && line[1] == '/')"),
    ("platform/message_queue.cpp", "windowMinimised = true;", "windowMinimised = false;"),
    ("platform/code_page_1251.cpp", "return 0x0410 + (byte - 0xC0);", "return 0x0410 + (byte - 0xBF);"),
    ("app/window.cpp", "if (cursorCentred && platform::HasInputFocus()) {", "if (true) {"),
    ("platform/jpeg.cpp", "info.out_color_space = JCS_RGB;", "info.out_color_space = JCS_YCbCr;"),
    ("render/tga.cpp", "size_t run = (packet & 0x7Fu) + 1;", "size_t run = (packet & 0x7Fu);"),
    ("render/tga.cpp", "image.width > kMaxTgaSide", "image.width > kMaxTgaSide * 4"),
    ("scene/mesh_file.cpp", "index = in.ReadInt() - 1;", "index = in.ReadInt();"),
    ("scene/material_file.cpp", "ReadColor(in, \"Specular\", 1.0 / 256.0, m.specular);",
     "ReadColor(in, \"Specular\", 1.0 / 255.0, m.specular);"),
    ("scene/word_reader.cpp", "constexpr size_t kMaxWord = 254;", "constexpr size_t kMaxWord = 255;"),
    ("production/camera_path.cpp", "if (i < 0 || i + 4 > static_cast<int64_t>(cameraPath.size())) {",
     "if (i < 0 || i + 3 > static_cast<int64_t>(cameraPath.size())) {"),
]


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, capture_output=True, text=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build", "debug"))
    parser.add_argument("--labels", default="unit|gl|record|fuzz")
    args = parser.parse_args()
    rows = []
    for number, (path, original, fault) in enumerate(FAULTS, 1):
        file = os.path.join(ROOT, path)
        with open(file) as f:
            text = f.read()
        if text.count(original) != 1:
            rows.append((path, fault, "not applied: the text is not there once"))
            continue
        try:
            with open(file, "w") as f:
                f.write(text.replace(original, fault))
            built = run(["cmake", "--build", args.build, "-j", str(os.cpu_count())], ROOT)
            if built.returncode != 0:
                outcome = "caught by the compiler"
            else:
                tests = run(["ctest", "-L", args.labels, "-j", str(os.cpu_count())], args.build)
                failed = [line.split(" - ")[1].split(" (")[0] for line in tests.stdout.splitlines()
                          if " - " in line and ("(Failed)" in line or "(SEGFAULT)" in line
                                                or "(Subprocess aborted)" in line)]
                outcome = ("caught by " + ", ".join(failed[:3]) + (" ..." if len(failed) > 3 else "")
                           if failed else "NOT CAUGHT")
        finally:
            with open(file, "w") as f:
                f.write(text)
        rows.append((path, fault, outcome))
        print(f"[{number}/{len(FAULTS)}] {path}: {outcome}", flush=True)
    run(["cmake", "--build", args.build, "-j", str(os.cpu_count())], ROOT)
    print("\n| file | fault | outcome |\n|---|---|---|")
    for path, fault, outcome in rows:
        print(f"| {path} | `{fault}` | {outcome} |")
    return 1 if any(outcome == "NOT CAUGHT" for _, _, outcome in rows) else 0


if __name__ == "__main__":
    sys.exit(main())
