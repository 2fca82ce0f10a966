#!/usr/bin/python3
"""Measures the page: what it downloads (gzip), navigation to its first frame in headless Chromium, a tap
to its frame on the canvas, and the WebAssembly memory.

Usage: web_figures.py SITE_FOLDER [LOADS]"""
import gzip, os, statistics, sys, tempfile
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'web'))
from page_driver import Site, browser, open_page, settle, tap  # noqa: E402

site_folder = sys.argv[1]
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 7
ROLLS = [1, 2, 3, 4, 5] * 20  # no six, so every tap on Roll is a roll and its turn
ROLL_BUTTON = (220, 276)

total = 0
for name in sorted(os.listdir(site_folder)):
    with open(os.path.join(site_folder, name), 'rb') as file:
        raw = file.read()
    packed = len(gzip.compress(raw, 9))
    total += packed
    print('%-22s %8d bytes, %7d gzipped' % (name, len(raw), packed))
print('everything the page downloads: %d KB gzipped (goal 300 KB)' % round(total / 1024))

site = Site(site_folder, ROLLS)
first_frames, repeat_frames, taps, memory = [], [], [], 0
with tempfile.TemporaryDirectory() as scratch:
    for load in range(loads):
        # A new profile is a first visit; the same one again is served by the service worker.
        driver = browser(os.path.join(scratch, str(load)))
        try:
            for frames in (first_frames, repeat_frames):
                open_page(driver, site.url)
                frames.append(driver.execute_script('return rendaroPage.figures.firstFrame'))
            for _ in range(5):
                tap(driver, ROLL_BUTTON)
                settle(driver)
            taps += driver.execute_script('return rendaroPage.figures.tapFrames')
            memory = max(memory, driver.execute_script('return wasmMemory.buffer.byteLength'))
        finally:
            driver.quit()
site.stop()


def summary(values):
    return 'median %.0f ms, range %.0f-%.0f ms over %d' % (statistics.median(values), min(values), max(values), len(values))


print('navigation to the first frame, first visit: %s (goal 500 ms)' % summary(first_frames))
print('navigation to the first frame, from the service worker: %s' % summary(repeat_frames))
print('a tap to its frame: median %.1f ms, worst %.1f ms over %d taps (goal 16 ms)' % (
    statistics.median(taps), max(taps), len(taps)))
print('WebAssembly memory: %.1f MB (goal 32 MB)' % (memory / 1048576))
