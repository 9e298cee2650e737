#!/usr/bin/env python3
"""Frames per second of the browser build in headless Chromium (SwiftShader's WebGL) over
the first SECONDS of the show at 640 x 480, beside the Linux player (web_fps_linux) at the
same size on the same machine in the same run. The page counts the frames the program
reports drawn (Module.onFrame); where the program reports none, its animation frames.

usage: web_fps.py BUILD_DIR SOURCE_DIR SHOW_DIR   (prints why where the page is not built)
"""
import os
import subprocess
import sys
import tempfile
import time

SECONDS = 30
WIDTH, HEIGHT = 640, 480


def browser_fps(page_test, url):
    with tempfile.TemporaryDirectory() as profile:
        driver = page_test.open_browser(profile)
        try:
            driver.get(url)
            page_test.wait_for(driver, "!['loading', 'ready'].includes(window.torvaneState)", 120)
            started = time.monotonic()
            time.sleep(SECONDS)
            stats, error = driver.execute_script("return [window.torvaneStats, window.torvaneError]")
            elapsed = time.monotonic() - started
        finally:
            driver.quit()
    if error:
        return f"did not play: {error}"
    kind = "frames drawn" if stats["frames"] else "animation frames (no frames reported)"
    count = stats["frames"] or stats["animationFrames"]
    return f"{count / elapsed:.1f} fps ({count} {kind})"


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
        print(f"Browser (headless Chromium, SwiftShader), {WIDTH}x{HEIGHT}, first {SECONDS} s: "
              f"{browser_fps(page_test, url)}", flush=True)
    finally:
        server.shutdown()
    linux = [os.path.join(build, "web_fps_linux"), show, str(SECONDS), str(WIDTH), str(HEIGHT)]
    print(subprocess.run(linux, check=True, capture_output=True, text=True).stdout, end="")
    return 0


if __name__ == "__main__":
    sys.exit(main())
