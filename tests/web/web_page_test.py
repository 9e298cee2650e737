#!/usr/bin/env python3
"""The browser build in headless Chromium (SwiftShader's WebGL), beside the Linux programs.

The page dist/torvane-web is served on a free local port. Without its data file it must
say so. It plays PLAY_SECONDS with sound
allowed to start by itself: its log (#log) must begin with the start-up lines of a Linux
run of the same stretch (timings and the lines naming the graphics driver aside) and hold no problem line (the patterns of
tests/support/log_lines.cpp), so the sound of part 1 starts without a "Can't" line. Then
the page captures CAPTURE_TIMES, each frame compared with torvane-capture's on Linux as the
golden frames are: a pixel differs when a channel is off by more than CHANNEL_TOLERANCE, a
frame fails when more than DIFFERING_SHARE of its pixels differ.

usage: web_page_test.py BUILD_DIR SOURCE_DIR CONTENT_DIR
Exits with 77 (skipped) where emscripten, Chromium, its driver, selenium or the built page
is missing.
"""
import base64
import difflib
import functools
import http.server
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib

SKIPPED = 77
PLAY_SECONDS = 20
CAPTURE_TIMES = "5,20,45,70,86.5,88.5,100,121.5,124.5,150,172.5,175.5,250,320"
CAPTURE_ARGUMENTS = ["--size", "160x120", "--fps", "25"]
CAPTURE_TIMEOUT = 1800  # seconds: SwiftShader draws every frame of 320 s of show
CHANNEL_TOLERANCE = 24
DIFFERING_SHARE = 0.005
START_LOOP = "Start main game loop..."
# Lines that name the graphics driver (Mesa's or the browser's) and what it offers, not the
# engine's doing: the version lines, the extension list, each extension used or missing.
DRIVER_LINE = re.compile(r"OpenGL (Version|Renderer|Vendor): |[A-Z]+_\S+ [A-Z]+_|Using [A-Z]+_\S+$|"
                         r"[A-Z]+_\S+ not supported!$")
# The Linux programs offscreen and silent; Mesa keeps allocations until exit, so a sanitizer
# build's leak report would only name the driver (as for the other end-to-end tests).
LINUX_ENV = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
                 ASAN_OPTIONS="detect_leaks=0")
CHROMIUM_FLAGS = [
    "--headless=new", "--no-sandbox", "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--no-first-run", "--autoplay-policy=no-user-gesture-required",
    "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
]


def skip_reason(page):
    for program, package in [("emcc", "emscripten"), ("chromium", "chromium"),
                             ("chromedriver", "chromium-driver")]:
        if not shutil.which(program):
            return f"{program} is missing (apt-get install {package})"
    if not import_selenium():
        return "selenium is missing (apt-get install python3-selenium)"
    if not os.path.isfile(os.path.join(page, "torvane.wasm")):
        return f"no built page in {page} (./torvane.sh web)"
    return None


def import_selenium():
    """Whether selenium imports; Debian's package is found also from another Python 3."""
    try:
        import selenium  # noqa: F401
    except ImportError:
        sys.path.append("/usr/lib/python3/dist-packages")
        try:
            import selenium  # noqa: F401,F811
        except ImportError:
            return False
    return True


def problem_markers(source):
    """The markers of a problem line, read from the Linux tests' own list."""
    with open(os.path.join(source, "tests/support/log_lines.cpp"), encoding="utf-8") as file:
        table = re.search(r"markers\[\] = \{(.*?)\};", file.read(), re.S).group(1)
    return re.findall(r'"([^"]*)"', table)


def start_up(log):
    """The lines up to the main loop but the driver's, numbers with a fraction (timings) blanked."""
    lines = log.replace("\r\n", "\n").split("\n")
    end = lines.index(START_LOOP) + 1 if START_LOOP in lines else len(lines)
    return [re.sub(r"\d+\.\d+", "#", line) for line in lines[:end] if not DRIVER_LINE.match(line)]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def open_browser(profile):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def wait_for(driver, condition, seconds):
    """Polls the page's `condition` (JavaScript) until true or `seconds` pass; whether it was."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if driver.execute_script(f"return Boolean({condition});"):
            return True
        time.sleep(0.5)
    return False


def linux_log(build, content):
    """Torvan.log of a Linux run of PLAY_SECONDS after start-up."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(content, folder, dirs_exist_ok=True)
        show = subprocess.Popen([os.path.join(build, "torvane")], cwd=folder, env=LINUX_ENV)
        log = os.path.join(folder, "Torvan.log")
        deadline = time.monotonic() + 120
        while time.monotonic() < deadline and START_LOOP not in read_log(log):
            time.sleep(0.5)
        time.sleep(PLAY_SECONDS)
        show.send_signal(signal.SIGTERM)
        show.wait(60)
        return read_log(log)


def read_log(path):
    if not os.path.exists(path):
        return ""
    with open(path, "rb") as file:
        return file.read().decode("cp1251")


def linux_frames(build, content):
    """torvane-capture's PNG files of CAPTURE_TIMES, in order."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(content, folder, dirs_exist_ok=True)
        subprocess.run([os.path.join(build, "torvane-capture"), "--silent", *CAPTURE_ARGUMENTS,
                        "--at", CAPTURE_TIMES, "frames"], cwd=folder, check=True,
                       env=LINUX_ENV, stdout=subprocess.DEVNULL)
        names = sorted(os.listdir(os.path.join(folder, "frames")))
        return [read_png(open(os.path.join(folder, "frames", name), "rb").read()) for name in names]


def read_png(data):
    """(width, height, RGBA bytes) of an 8-bit RGB or RGBA PNG without interlacing."""
    chunks, at = {}, 8
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks[kind] = chunks.get(kind, b"") + data[at + 8:at + 8 + length]
        at += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    assert depth == 8 and colour in (2, 6), f"PNG of depth {depth}, colour type {colour}"
    step = 4 if colour == 6 else 3
    raw, stride = zlib.decompress(chunks[b"IDAT"]), width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, row = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = row[x - step] if x >= step else 0
            up, corner = previous[x], previous[x - step] if x >= step else 0
            guess = [0, left, up, (left + up) // 2, paeth(left, up, corner)][kind]
            row[x] = (row[x] + guess) & 0xFF
        rows.append(row if step == 4 else bytearray(
            b for i in range(0, stride, 3) for b in (*row[i:i + 3], 255)))
        previous = row
    return width, height, b"".join(rows)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def differing_share(a, b):
    if a[:2] != b[:2]:
        return 1.0
    pixels = a[2], b[2]
    differing = sum(1 for i in range(0, len(pixels[0]), 4)
                    if max(abs(pixels[0][i + c] - pixels[1][i + c]) for c in range(3)) > CHANNEL_TOLERANCE)
    return differing / (a[0] * a[1])


def main():
    build, source, content = map(os.path.abspath, sys.argv[1:4])
    page = os.path.join(source, "dist/torvane-web")
    reason = skip_reason(page)
    if reason:
        print(f"skipped: {reason}")
        return SKIPPED
    failures = []
    server, url = serve(page)
    with tempfile.TemporaryDirectory() as profile:
        driver = open_browser(profile)
        try:
            failures += check_missing_data(driver, page)
            failures += check_play(driver, url, build, content, problem_markers(source))
            failures += check_capture(driver, url, build, content)
        finally:
            driver.quit()
            server.shutdown()
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


def check_missing_data(driver, page):
    """The page without its data file says so instead of showing a blank canvas."""
    with tempfile.TemporaryDirectory() as folder:
        for name in ("index.html", "torvane.js", "torvane.wasm"):
            os.symlink(os.path.join(page, name), os.path.join(folder, name))
        server, url = serve(folder)
        try:
            driver.get(url)
            wait_for(driver, "window.torvaneState === 'failed'", 60)
            status = driver.execute_script("return document.getElementById('status').textContent")
        finally:
            server.shutdown()
    print(f"without torvane.data the page says: {status}")
    return [] if "torvane.data" in status else [f"a missing data file is not reported: {status}"]


def check_play(driver, url, build, content, markers):
    driver.get(url)
    if not wait_for(driver, "window.torvaneState !== 'loading' && window.torvaneState !== 'ready'", 120):
        return ["the show did not start by itself within 120 s"]
    time.sleep(PLAY_SECONDS)
    state, error, log = driver.execute_script(
        "return [window.torvaneState, window.torvaneError || '', document.getElementById('log').textContent];")
    print(f"page: {state} {error}\n--- page log after {PLAY_SECONDS} s ---\n{log}---")
    failures = [f"the page failed: {error}"] if state == "failed" else []
    expected, made = start_up(linux_log(build, content)), start_up(log)
    if made != expected:
        difference = difflib.unified_diff(expected, made, "linux", "page", lineterm="", n=2)
        failures.append("start-up lines differ from Linux's:\n" + "\n".join(difference))
    problems = [line for line in log.split("\n") if any(marker in line for marker in markers)]
    if problems:
        failures.append(f"problem lines: {problems}")
    return failures


def check_capture(driver, url, build, content):
    asked = [str(float(t)).removesuffix(".0") for t in CAPTURE_TIMES.split(",")]
    query = "&".join(f"{CAPTURE_ARGUMENTS[i][2:]}={CAPTURE_ARGUMENTS[i + 1]}"
                     for i in range(0, len(CAPTURE_ARGUMENTS), 2))
    started = time.monotonic()
    driver.get(f"{url}?at={CAPTURE_TIMES}&{query}")
    done = f"Object.keys(window.torvaneFrames).length >= {len(asked)} || window.torvaneState === 'failed'"
    wait_for(driver, done + " || window.torvaneState === 'ended'", CAPTURE_TIMEOUT)
    frames, error = driver.execute_script("return [window.torvaneFrames, window.torvaneError || ''];")
    print(f"capture: {len(frames)} of {len(asked)} frames in {time.monotonic() - started:.0f} s {error}")
    failures = [f"the capture failed: {error}"] if error else []
    if not frames:
        return failures + ["no frame was captured"]
    for time_asked, expected in zip(asked, linux_frames(build, content)):
        if time_asked not in frames:
            failures.append(f"no frame at {time_asked} s")
            continue
        made = read_png(base64.b64decode(frames[time_asked].split(",", 1)[1]))
        share = differing_share(made, expected)
        print(f"frame at {time_asked:>5} s: {100 * share:6.2f} % of pixels differ")
        if share > DIFFERING_SHARE:
            failures.append(f"frame at {time_asked} s: {100 * share:.2f} % of pixels differ")
    return failures


if __name__ == "__main__":
    sys.exit(main())
