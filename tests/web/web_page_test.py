#!/usr/bin/env python3
"""The browser build in headless Chromium (SwiftShader's WebGL), beside the Linux programs.

The page dist/torvane-web is served on a free local port. Without its data file it must
say so. It plays PLAY_SECONDS with sound allowed to start by itself: its log (#log) must
begin with the start-up lines of a Linux run of the same stretch (timings and the lines
naming the graphics driver aside) and hold no problem line (the patterns of
tests/support/log_lines.cpp), so the sound of part 1 starts without a "Can't" line. Then
the page captures CAPTURE_TIMES, each frame compared with torvane-capture's on Linux as the
golden frames are: a pixel differs when a channel is off by more than CHANNEL_TOLERANCE, a
frame fails when more than DIFFERING_SHARE of its pixels differ.

The page as a player, each in its own check (check_* below): the loading screen, fullscreen
by F, a quick Esc and "Play again", lost graphics, the music in step after a hidden start, a
show folder packed with `torvane.sh web --show`.

usage: web_page_test.py BUILD_DIR SOURCE_DIR CONTENT_DIR
Exits with 77 (skipped) where emscripten, Chromium, its driver, selenium or the built page
is missing.
"""
import base64
import contextlib
import difflib
import functools
import http.server
import importlib.util
import os
import pathlib
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time

SKIPPED = 77
PLAY_SECONDS = 20
PART_ONE = 11.0  # seconds of the show at which the music and voice start
CAPTURE_TIMES = "5,20,45,70,86.5,88.5,100,121.5,124.5,150,172.5,175.5,250,320"
CAPTURE_SIZE = "160x120"
CAPTURE_FPS = "25"
CAPTURE_TIMEOUT = 300  # seconds: only the frames asked for are drawn
CHANNEL_TOLERANCE = 24
DIFFERING_SHARE = 0.005
START_LOOP = "Start main game loop..."
# Lines that name the graphics driver (Mesa's or the browser's) and what it offers, not the
# engine's doing: the version lines, the extension list, each extension used or missing.
DRIVER_LINE = re.compile(r"OpenGL (Version|Renderer|Vendor): |[A-Z]+_\S+ [A-Z]+_|"
                         r"Using [A-Z]+_\S+$|[A-Z]+_\S+ not supported!$")
# The Linux programs offscreen and silent; Mesa keeps allocations until exit, so a sanitizer
# build's leak report would only name the driver (as for the other end-to-end tests).
LINUX_ENV = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="dummy",
                 ASAN_OPTIONS="detect_leaks=0")
# Headless Chromium's fullscreen window is its screen less 56 rows: 1280 x 720 here.
CHROMIUM_FLAGS = [
    "--headless=new", "--window-size=1280,720", "--screen-info={1280x776}", "--no-sandbox",
    "--enable-unsafe-swiftshader", "--use-angle=swiftshader", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--no-first-run",
    "--autoplay-policy=no-user-gesture-required", "--disable-background-timer-throttling",
    "--disable-renderer-backgrounding",
]
# The page's parts, as JavaScript expressions.
LOG = "document.getElementById('log').textContent"
STATUS = "document.getElementById('status').textContent"
CANVAS = "document.getElementById('canvas')"
CANVAS_SIZE = f"[{CANVAS}.width, {CANVAS}.height]"


def skip_reason(page):
    for program, package in [("emcc", "emscripten"), ("chromium", "chromium"),
                             ("chromedriver", "chromium-driver")]:
        if not shutil.which(program):
            return f"{program} is missing (apt-get install {package})"
    # Debian's selenium, found also from another Python 3 (searched only after the others).
    sys.path.append("/usr/lib/python3/dist-packages")
    if not importlib.util.find_spec("selenium"):
        return "selenium is missing (apt-get install python3-selenium)"
    if not os.path.isfile(os.path.join(page, "torvane.wasm")):
        return f"no built page in {page} (./torvane.sh web)"
    return None


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


def failed(*checks):
    """The messages of the (held, message) checks that did not hold."""
    return [message for held, message in checks if not held]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


@contextlib.contextmanager
def served(folder):
    """The address of `folder` served while the block runs."""
    server, url = serve(folder)
    try:
        yield url
    finally:
        server.shutdown()


def open_browser(profile):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def poll(condition, seconds):
    """Calls `condition` until it gives true or `seconds` pass; whether it did."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.5)
    return False


def wait_for(driver, condition, seconds):
    """Polls the page's `condition` (JavaScript) until true or `seconds` pass; whether it was."""
    return poll(lambda: driver.execute_script(f"return Boolean({condition});"), seconds)


def js(driver, expression):
    return driver.execute_script(f"return {expression};")


def element(driver, name):
    from selenium.webdriver.common.by import By
    return driver.find_element(By.ID, name)


def press(driver, key):
    """Presses and releases `key`, as one tap."""
    from selenium.webdriver.common.action_chains import ActionChains
    ActionChains(driver).send_keys(key).perform()


def linux_log(build, content):
    """Torvan.log of a Linux run of PLAY_SECONDS after start-up."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(content, folder, dirs_exist_ok=True)
        show = subprocess.Popen([os.path.join(build, "torvane")], cwd=folder, env=LINUX_ENV)
        log = os.path.join(folder, "Torvan.log")
        poll(lambda: START_LOOP in read_log(log), 120)
        time.sleep(PLAY_SECONDS)
        show.send_signal(signal.SIGTERM)
        show.wait(60)
        return read_log(log)


def read_log(path):
    return pathlib.Path(path).read_bytes().decode("cp1251") if os.path.exists(path) else ""


def linux_frames(build, content):
    """torvane-capture's PNG files of CAPTURE_TIMES, in order."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copytree(content, folder, dirs_exist_ok=True)
        subprocess.run([os.path.join(build, "torvane-capture"), "--silent", "--size", CAPTURE_SIZE,
                        "--fps", CAPTURE_FPS, "--at", CAPTURE_TIMES, "frames"], cwd=folder,
                       check=True, env=LINUX_ENV, stdout=subprocess.DEVNULL)
        return [read_png(png.read_bytes())
                for png in sorted(pathlib.Path(folder, "frames").iterdir())]


def read_png(data):
    """(width, height, RGBA bytes) of a PNG file's bytes, decoded by ffmpeg."""
    width, height = struct.unpack(">II", data[16:24])  # from the IHDR chunk
    decode = ["ffmpeg", "-v", "error", "-i", "-", "-f", "rawvideo", "-pix_fmt", "rgba", "-"]
    pixels = subprocess.run(decode, input=data, capture_output=True, check=True).stdout
    return width, height, pixels


def differing_share(a, b):
    if a[:2] != b[:2]:
        return 1.0
    pixels = a[2], b[2]
    differing = sum(1 for i in range(0, len(pixels[0]), 4)
                    if max(abs(pixels[0][i + c] - pixels[1][i + c]) for c in range(3))
                    > CHANNEL_TOLERANCE)
    return differing / (a[0] * a[1])


def lit_share(picture, columns=None, rows=None):
    """The share of pixels brighter than near black over `columns` and `rows` (ranges), or all."""
    width, height, pixels = picture
    columns, rows = (columns or range(width))[::2], (rows or range(height))[::2]
    lit = sum(1 for y in rows for x in columns
              if max(pixels[(y * width + x) * 4:(y * width + x) * 4 + 3]) > 24)
    return lit / (len(columns) * len(rows))


def main():
    build, source, content = map(os.path.abspath, sys.argv[1:4])
    page = os.path.join(source, "dist/torvane-web")
    reason = skip_reason(page)
    if reason:
        print(f"skipped: {reason}")
        return SKIPPED
    with served(page) as url, tempfile.TemporaryDirectory() as profile:
        driver = open_browser(profile)
        try:
            failures = check_missing_data(driver, page)
            failures += check_play(driver, url, build, content, problem_markers(source))
            failures += check_loading_screen(driver, url)
            for check in (check_fullscreen, check_quick_esc_and_play_again, check_context_loss,
                          check_in_step):
                failures += check(driver) if start_show(driver, url) else [
                    f"{check.__name__}: the show did not start"]
            failures += check_show_folder(driver, source, build, content)
            failures += check_capture(driver, url, build, content)
        finally:
            driver.quit()
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


def check_missing_data(driver, page):
    """The page without its data file says so instead of showing a blank canvas."""
    with tempfile.TemporaryDirectory() as folder:
        for name in ("index.html", "torvane.data.js", "torvane.js", "torvane.wasm"):
            os.symlink(os.path.join(page, name), os.path.join(folder, name))
        with served(folder) as url:
            driver.get(url)
            wait_for(driver, "window.torvaneState === 'failed'", 60)
            status = js(driver, STATUS)
    print(f"without torvane.data the page says: {status}")
    return [] if "torvane.data" in status else [f"a missing data file is not reported: {status}"]


def check_play(driver, url, build, content, markers):
    driver.get(url)
    if not wait_for(driver, "!['loading', 'ready'].includes(window.torvaneState)", 120):
        return ["the show did not start by itself within 120 s"]
    time.sleep(PLAY_SECONDS)
    state, error, log = js(driver, f"[window.torvaneState, window.torvaneError || '', {LOG}]")
    print(f"page: {state} {error}\n--- page log after {PLAY_SECONDS} s ---\n{log}---")
    expected, made = start_up(linux_log(build, content)), start_up(log)
    difference = "\n".join(difflib.unified_diff(expected, made, "linux", "page", lineterm="", n=2))
    problems = [line for line in log.split("\n") if any(marker in line for marker in markers)]
    return failed((state != "failed", f"the page failed: {error}"),
                  (made == expected, "start-up lines differ from Linux's:\n" + difference),
                  (not problems, f"problem lines: {problems}"))


def start_show(driver, url):
    """Opens the page (sound may start by itself, so it starts at once); whether the show's
    main loop started within two minutes."""
    driver.get(url)
    return wait_for(driver, "window.torvaneStats.mainLoopAt > 0 || window.torvaneState === "
                    "'failed'", 120) and js(driver, "window.torvaneState") == "running"


def check_loading_screen(driver, url):
    """Start-up held once the loading screen is painted: the canvas shows it before the log
    reaches the main loop; the times from the start to both."""
    hold = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                  {"source": "window.torvaneHoldLoading = true;"})
    try:
        driver.get(url)
        if not wait_for(driver, "window.torvaneStats.loadingPaintedAt > 0", 120):
            return ["the loading screen was never painted"]
        picture = read_png(element(driver, "canvas").screenshot_as_png)
        log = js(driver, LOG)
        driver.execute_script("window.torvaneHoldLoading = false;")
        wait_for(driver, "window.torvaneStats.mainLoopAt > 0", 120)
    finally:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", hold)
    stats = js(driver, "window.torvaneStats")
    # The loading screen's words, lit in the middle of a black picture.
    width, height = picture[:2]
    words = lit_share(picture, range(width * 2 // 5, width * 3 // 5),
                      range(height * 2 // 5, height // 2))
    print(f"loading screen: {100 * words:.0f} % of the words' box lit, "
          f"{100 * lit_share(picture):.1f} % of the canvas, painted "
          f"{stats['loadingPaintedAt'] - stats['startedAt']:.0f} ms and the main loop "
          f"{stats['mainLoopAt'] - stats['startedAt']:.0f} ms after the start")
    return failed((words > 0.05 and lit_share(picture) < 0.05,
                   "the loading screen is not on the canvas"),
                  (START_LOOP not in log,
                   "the loading screen was painted only after the show had loaded"))


def check_fullscreen(driver):
    """F enters fullscreen: the canvas takes the window's size through the engine's resize
    (its log line) and the picture covers it; F again gives back 640 x 480."""
    press(driver, "f")
    entered = wait_for(driver, "document.fullscreenElement !== null", 10)
    width, height = js(driver, "[window.innerWidth, window.innerHeight]")
    resized = wait_for(driver, f"{LOG}.includes('Window size: {width}x{height}')", 20)
    size = js(driver, CANVAS_SIZE)
    time.sleep(2)  # frames drawn at the new size
    picture = read_png(element(driver, "canvas").screenshot_as_png)
    beyond = lit_share(picture, range(min(640, picture[0] - 1), picture[0]))
    press(driver, "f")
    left = wait_for(driver, f"document.fullscreenElement === null && "
                    f"{LOG}.includes('Window size: 640x480')", 20)
    after = js(driver, CANVAS_SIZE)
    print(f"fullscreen: window {width}x{height}, canvas {size}, {100 * beyond:.0f} % lit beyond "
          f"column 640; after leaving {after}")
    return failed((entered, "F did not enter fullscreen"),
                  (size == [width, height] and resized, f"fullscreen canvas {size} for a window "
                   f"of {width}x{height} (resize logged: {resized})"),
                  (beyond >= 0.02,
                   "the fullscreen picture does not reach beyond the first 640 columns"),
                  (left and after == [640, 480], f"leaving fullscreen gave a canvas of {after}"))


def check_quick_esc_and_play_again(driver):
    """Esc pressed and released while no frame runs ends the show; the picture keeps its
    size; "Play again" gives a second full start-up that reaches the main loop."""
    from selenium.webdriver.common.keys import Keys
    first = start_up(js(driver, LOG))
    driver.execute_script("Module.pauseMainLoop();")
    press(driver, Keys.ESCAPE)
    driver.execute_script("Module.resumeMainLoop();")
    if not wait_for(driver, "window.torvaneState === 'ended'", 20):
        return ["a quick Esc did not end the show"]
    stage = driver.execute_script("const r = document.getElementById('stage')"
                                  ".getBoundingClientRect(); return [r.width, r.height]")
    still = lit_share(read_png(element(driver, "still").screenshot_as_png))
    element(driver, "play-again").click()
    again = wait_for(driver, "window.torvaneStats.runs === 2 && window.torvaneStats.mainLoopAt > 0",
                     120)
    second = start_up(js(driver, LOG))
    print(f"quick Esc: the stage {stage}, last picture {100 * still:.0f} % lit; "
          f"Play again: {len(second)} start-up lines")
    difference = difflib.unified_diff(first, second, "first", "again", lineterm="", n=1)
    return failed((stage == [640, 480], f"after Esc the picture is {stage}, not 640x480"),
                  (still >= 0.02, "the last picture is not kept"),
                  (again, "Play again did not reach the main loop"),
                  (not again or second == first,
                   "Play again's start-up differs from the first:\n" + "\n".join(difference)))


def check_context_loss(driver):
    """Graphics lost through WEBGL_lose_context are said on the page; Start again plays anew."""
    driver.execute_script(
        f"{CANVAS}.getContext('webgl').getExtension('WEBGL_lose_context').loseContext();")
    if not wait_for(driver, f"{STATUS}.includes('graphics stopped')", 20):
        return ["a lost context is not said on the page"]
    element(driver, "play-again").click()
    again = wait_for(driver, "window.torvaneState === 'running' && "
                     "window.torvaneStats.mainLoopAt > 0", 120)
    print(f"context loss: said; started again: {again}")
    return [] if again else ["Start again after a lost context did not reach the main loop"]


def check_in_step(driver):
    """The page hidden (frozen) from before part 1 until well after it: the music starts at
    the position the show's clock has reached since part 1 began, read from the audio layer."""
    if js(driver, "window.torvaneShowTime") > PART_ONE - 3:
        return ["in step: start-up took so long that part 1 had begun"]
    driver.execute_cdp_cmd("Page.setWebLifecycleState", {"state": "frozen"})
    time.sleep(PART_ONE + 5)
    driver.execute_cdp_cmd("Page.setWebLifecycleState", {"state": "active"})
    # Headless Chromium shows the tab again once another tab has come and gone.
    shown = driver.current_window_handle
    driver.switch_to.new_window("tab")
    driver.close()
    driver.switch_to.window(shown)
    wait_for(driver, "Module._torvane_music_seconds() > 0", 30)  # part 1's first frame drawn
    music, show = js(driver, "[Module._torvane_music_seconds(), window.torvaneShowTime]")
    print(f"in step: music at {music:.2f} s at show time {show:.2f} s (part 1 from {PART_ONE} s)")
    # The sound is mixed a little ahead, and the show's time is its last frame's.
    return [] if abs(music - (show - PART_ONE)) < 2.0 else [
        f"the music is at {music:.2f} s where the show's clock says {show - PART_ONE:.2f} s"]


def moved_path(build, content, folder):
    """A copy of the show whose camera path is shifted sideways by 300 units."""
    shutil.copytree(content, folder, dirs_exist_ok=True)
    campath = os.path.join(build, "torvane-campath")
    csv = subprocess.run([campath, "dump", "Campath1.vcp"], cwd=folder, check=True,
                         capture_output=True, text=True).stdout.splitlines()
    rows = [csv[0]] + [",".join([f[0], str(float(f[1]) + 300)] + f[2:])
                       for f in (line.split(",") for line in csv[1:])]
    pathlib.Path(folder, "path.csv").write_text("\n".join(rows) + "\n")
    subprocess.run([campath, "build", "path.csv", "Campath1.vcp"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)


def check_show_folder(driver, source, build, content):
    """`torvane.sh web --show` with a folder whose camera path is moved: its page's frame at
    5 s differs from the default page's; a folder without Data/ is refused first."""
    pack = [os.path.join(source, "torvane.sh"), "web", "--show"]
    with tempfile.TemporaryDirectory() as work:
        refused = subprocess.run(pack + [work], capture_output=True, text=True)
        failures = [] if refused.returncode == 1 and "Data/" in refused.stderr else [
            f"a folder without Data/ was not refused: {refused.returncode} {refused.stderr}"]
        show, page = os.path.join(work, "show"), os.path.join(work, "page")
        moved_path(build, content, show)
        packed = subprocess.run(pack + [show], env=dict(os.environ, TORVANE_WEB_DIST=page),
                                capture_output=True, text=True)
        if packed.returncode != 0:
            return failures + [f"torvane.sh web --show failed: {packed.stderr[-2000:]}"]
        frames = []
        for folder in (os.path.join(source, "dist/torvane-web"), page):
            with served(folder) as url:
                driver.get(f"{url}?at=5&size=160x120")
                wait_for(driver, "'5' in window.torvaneFrames || window.torvaneState === 'failed'",
                         300)
                frames.append(js(driver, "window.torvaneFrames['5'] || ''"))
    if not all(frames):
        return failures + ["a page captured no frame at 5 s"]
    share = differing_share(*(read_png(base64.b64decode(f.split(",", 1)[1])) for f in frames))
    print(f"show folder: the moved path's frame at 5 s differs in {100 * share:.1f} % of pixels")
    return failures + failed((share > 0.05, "the page built with --show plays the default path"))


def check_capture(driver, url, build, content):
    asked = [str(float(t)).removesuffix(".0") for t in CAPTURE_TIMES.split(",")]
    started = time.monotonic()
    driver.get(f"{url}?at={CAPTURE_TIMES}&size={CAPTURE_SIZE}&fps={CAPTURE_FPS}")
    wait_for(driver, f"Object.keys(window.torvaneFrames).length >= {len(asked)} || "
             "['failed', 'ended'].includes(window.torvaneState)", CAPTURE_TIMEOUT)
    frames, error = js(driver, "[window.torvaneFrames, window.torvaneError || '']")
    took = time.monotonic() - started
    print(f"capture: {len(frames)} of {len(asked)} frames in {took:.0f} s {error}")
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
