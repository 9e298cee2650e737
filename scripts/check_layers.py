#!/usr/bin/env python3
"""Counts includes that run from a lower engine folder up to a higher one, the includes of
the system's GL headers anywhere in the engine or the tools but render/gl.h (the one door to
OpenGL), and the extern declarations in the engine folders' headers. Exits 1 when any is
over its limit."""
import pathlib
import re
import sys

LAYERS = ["platform", "console", "render", "scene", "effects", "production", "app"]
EXTERN_LIMIT = 15
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
EXTERN = re.compile(r'^\s*extern\s+(?!"C")')
SYSTEM_GL = re.compile(r'^\s*#\s*include\s+[<"](GL|GLES\d*|EGL|KHR)/|^\s*#\s*include\s+[<"]SDL_opengl')
GL_DOOR = "render/gl.h"


def engine_files(root, suffixes):
    for layer in LAYERS:
        for path in sorted((root / layer).rglob("*")):
            if path.suffix in suffixes:
                yield layer, path


def upward_includes(root):
    for layer, path in engine_files(root, {".h", ".cpp"}):
        for number, line in enumerate(path.read_text().splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1).split("/")[0]
            if target in LAYERS and LAYERS.index(target) > LAYERS.index(layer):
                yield f"{path.relative_to(root)}:{number}: {line.strip()}"


def system_gl_includes(root):
    files = [path for _, path in engine_files(root, {".h", ".cpp"})]
    files += sorted(p for p in (root / "tools").rglob("*") if p.suffix in {".h", ".cpp"})
    for path in files:
        if path.relative_to(root).as_posix() == GL_DOOR:
            continue
        for number, line in enumerate(path.read_text().splitlines(), 1):
            if SYSTEM_GL.match(line):
                yield f"{path.relative_to(root)}:{number}: {line.strip()}"


def header_externs(root):
    for _, path in engine_files(root, {".h"}):
        for number, line in enumerate(path.read_text().splitlines(), 1):
            if EXTERN.match(line):
                yield f"{path.relative_to(root)}:{number}: {line.strip()}"


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    verbose = "-v" in sys.argv
    upward = list(upward_includes(root))
    gl_includes = list(system_gl_includes(root))
    externs = list(header_externs(root))
    for title, lines in (("upward includes", upward), ("GL headers outside " + GL_DOOR, gl_includes),
                         ("externs in headers", externs)):
        if verbose:
            print("\n".join(lines))
        print(f"{title}: {len(lines)}")
    return 0 if not upward and not gl_includes and len(externs) <= EXTERN_LIMIT else 1


if __name__ == "__main__":
    sys.exit(main())
