#!/usr/bin/env python3
"""The missing- and truncated-file matrix.

Each file of the default content is removed, then cut to half its length, in turn; each
time the show must play to its end on the virtual clock (torvane-capture at a frame every
twenty seconds, small, keeping every frame, since only the frames kept are drawn; the
schedule enters at most one part a frame, so every part is entered and drawn), exit
cleanly, leave no sanitizer report, and, for a removed file, log the line that the engine
gives for that file's absence. Prints the table of files and outcomes.

usage: content_matrix.py BUILD_DIR [CONTENT_DIR] [--fps N] [--jobs N]
CONTENT_DIR is the default content as torvane-data made it; without one it is made here.
"""
import argparse
import concurrent.futures
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

SHUT_DOWN = "Torvane shut down..."
# The end of a file's name (lower case), and a pattern for the line its absence must give;
# the first that fits counts.
ABSENCE_LINES = [
    # Read straight through the TGA reader.
    ("data/textures/part/fire/2.tga",
     re.escape(b"\xcd\xe5 \xed\xe0\xe9\xe4\xe5\xed \xf4\xe0\xe9\xeb".decode("cp1251"))),
    (".tga", r"Error: (?P<path>.+) not found!"),
    (".jpg", r"Error: (?P<path>.+) not found!"),
    (".m3f", r"File (?P<path>.+) not found!"),
    ("ring4.mp3", r"Can't load voice file-?\d+"),
    ("buddha.it", r"Can't load music file"),
    ("torvane.cfg", re.escape("Config file not found, let's start with default settings...")),
]


def expected_line(name):
    """A pattern for the line that the absence of `name` must give, or None."""
    return next((line for end, line in ABSENCE_LINES if name.lower().endswith(end)), None)


def names_file(line, pattern, name):
    match = re.fullmatch(pattern, line)
    if not match:
        return False
    path = match.groupdict().get("path")
    # Materials name their maps from the scene's folder: Data\Lumo\..\Textures\gold.tga.
    return path is None or os.path.normpath(path.replace("\\", "/")).lower() == name.lower()


def copy_with(content, folder, name, change):
    """Links the content into `folder`, with `name` removed or cut to half."""
    for root, _, files in os.walk(content):
        for file in files:
            source = os.path.join(root, file)
            relative = os.path.relpath(source, content)
            target = os.path.join(folder, relative)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if relative != name:
                os.link(source, target)
            elif change == "halved":
                with open(source, "rb") as whole:
                    data = whole.read()
                with open(target, "wb") as half:
                    half.write(data[: len(data) // 2])


def run_case(build, content, work, name, change, fps):
    folder = os.path.join(work, f"{change}-{name.replace('/', '_')}")
    copy_with(content, folder, name, change)
    # The sound is left unmixed (--silent): the tracks still load, and mixing the whole
    # show would cost each run more than all the rest. A small quarantine and no fill of
    # freed memory keep the sanitizer build's per-frame allocations cheap.
    # One rasterizer thread: two runs side by side already fill the cores.
    environment = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
                       LP_NUM_THREADS="0",
                       ASAN_OPTIONS="detect_leaks=0:quarantine_size_mb=1:max_free_fill_size=0")
    try:
        result = subprocess.run(
            [os.path.join(build, "torvane-capture"), "--fps", str(fps), "--size", "64x48",
             "--silent", "frames"],
            cwd=folder, env=environment, capture_output=True, text=True, errors="replace",
            timeout=900)
        code, errors = result.returncode, result.stderr
    except subprocess.TimeoutExpired:
        code, errors = "timeout", ""
    log_path = pathlib.Path(folder, "Torvan.log")
    log = (log_path.read_bytes().decode("cp1251", "replace").splitlines()
           if log_path.exists() else [])
    shutil.rmtree(folder, ignore_errors=True)
    problems = []
    if code != 0:
        problems.append(f"exit {code}")
    if "Sanitizer" in errors or "runtime error" in errors:
        problems.append("sanitizer: " + errors.strip().splitlines()[0][:60])
    if SHUT_DOWN not in log:
        problems.append("did not reach its end")
    pattern = expected_line(name) if change == "removed" else None
    said = [line for line in log if pattern and names_file(line, pattern, name)]
    if pattern and not said:
        problems.append("no line for the missing file")
    outcome = "; ".join(problems) if problems else ("ok: " + said[0] if said else "ok")
    return name, change, not problems, outcome


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build")
    parser.add_argument("content", nargs="?")
    parser.add_argument("--fps", type=float, default=0.05)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    with tempfile.TemporaryDirectory(prefix="torvane-matrix-") as work:
        content = args.content or os.path.join(work, "content")
        if not args.content:
            subprocess.run([os.path.join(build, "torvane-data"), content], check=True,
                           stdout=subprocess.DEVNULL)
        names = sorted(os.path.relpath(os.path.join(root, file), content)
                       for root, _, files in os.walk(content) for file in files)
        cases = [(name, change) for name in names for change in ("removed", "halved")]
        print(f"{len(cases)} runs of the whole show, {args.jobs} at a time", flush=True)
        outcomes = {}
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            futures = [pool.submit(run_case, build, content, work, name, change, args.fps)
                       for name, change in cases]
            for done, future in enumerate(concurrent.futures.as_completed(futures), 1):
                name, change, passed, outcome = future.result()
                outcomes[(name, change)] = (passed, outcome)
                print(f"[{done}/{len(cases)}] {change:7} {name}: {outcome}", flush=True)
    width = max(len(name) for name in names)
    print(f"\n{'file':{width}}  {'removed':45}  halved")
    for name in names:
        removed, halved = outcomes[(name, "removed")][1], outcomes[(name, "halved")][1]
        print(f"{name:{width}}  {removed[:45]:45}  {halved[:45]}")
    failed = [case for case, (passed, _) in outcomes.items() if not passed]
    print(f"\n{len(cases) - len(failed)} of {len(cases)} runs played to the end as they should")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
