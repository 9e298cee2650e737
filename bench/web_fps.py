#!/usr/bin/env python3
"""The browser build in headless Chromium (SwiftShader's WebGL) beside the Linux player on
the same machine in the same run: the time from the start to the painted loading screen and
to the main loop; frames per second over the first SECONDS of the show at 640 x 480 and
fullscreen at 1280 x 720 (the F key; the browser's window is 1280 x 720), each beside the
Linux player (web_fps_linux) at the same size. The page counts the frames the program
reports drawn (Module.onFrame) from the main loop's start.

usage: web_fps.py BUILD_DIR SOURCE_DIR SHOW_DIR   (prints why where the page is not built)
"""
import os
import subprocess
import sys
import tempfile
import time

SECONDS = 30
SIZES = [(640, 480, False), (1280, 720, True)]


def browser_run(page_test, url, fullscreen):
    """(start-up text, fps text) of one page run."""
    from selenium.webdriver.common.action_chains import ActionChains
    with tempfile.TemporaryDirectory() as profile:
        driver = page_test.open_browser(profile)
        try:
            driver.get(url)
            page_test.wait_for(driver, "window.torvaneStats.mainLoopAt > 0 || window.torvaneError", 180)
            if fullscreen:
                ActionChains(driver).send_keys("f").perform()
                page_test.wait_for(driver, "document.getElementById('canvas').width > 640", 20)
            before = driver.execute_script("return window.torvaneStats.frames")
            started = time.monotonic()
            time.sleep(SECONDS)
            stats, error = driver.execute_script("return [window.torvaneStats, window.torvaneError]")
            elapsed = time.monotonic() - started
        finally:
            driver.quit()
    if error:
        return "", f"did not play: {error}"
    start_up = (f"loading screen painted {stats['loadingPaintedAt'] - stats['startedAt']:.0f} ms, "
                f"main loop {stats['mainLoopAt'] - stats['startedAt']:.0f} ms after the start")
    frames = stats["frames"] - before
    return start_up, f"{frames / elapsed:.1f} fps ({frames} frames)"


def main():
    build, source, show = sys.argv[1:4]
    sys.path.insert(0, os.path.join(source, "tests/web"))
    import web_page_test as page_test
    page = os.path.join(source, "dist/torvane-web")
    reason = page_test.skip_reason(page)
    if reason:
        print(f"web_fps: skipped: {reason}")
        return 0
    server, url = page_test.serve(page)
    try:
        for width, height, fullscreen in SIZES:
            start_up, fps = browser_run(page_test, url, fullscreen)
            how = "fullscreen" if fullscreen else "windowed"
            print(f"Browser (headless Chromium, SwiftShader), {width}x{height} {how}, first {SECONDS} s: "
                  f"{fps}; start-up: {start_up}", flush=True)
            linux = [os.path.join(build, "web_fps_linux"), show, str(SECONDS), str(width), str(height)]
            print(subprocess.run(linux, check=True, capture_output=True, text=True).stdout, end="",
                  flush=True)
    finally:
        server.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main())
