#!/usr/bin/python3
"""The page in headless Chromium, driven by Selenium, against rendaro-cli's screenshots of the same play.

Usage: browser_test.py SITE_FOLDER RENDARO_CLI
Plays the opening with real pointer events and queued dice, plays from the keyboard, reloads, opens the
page again from the same profile with the server stopped and no disk cache, refuses storage, and loads
tampered records. Skips (status 0) only when Chromium cannot start."""
import os, shutil, subprocess, sys, tempfile
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.keys import Keys
from page_driver import Site, browser, canvas, hide_for_a_moment, open_page, press, settle, tap

TITLE_BAR = 26
# Enough values that neither side ever falls back on its own generator.
ROLLS = [6, 3, 2, 4, 1, 5, 2, 6, 4, 3, 1, 2, 5, 4, 3, 6, 2, 1, 4, 5]
OPENING = [(220, 250), (220, 250), (38, 250), (93, 216), (60, 180)]  # client points, as game_opening.cli
KEYS = [('space', Keys.SPACE), ('enter', Keys.ENTER), ('2', '2'), ('tab', Keys.TAB), ('enter', Keys.ENTER)]
RECORD_SIZE, CHECKSUM_START, CURRENT_PLAYER = 248, 4, 11

site_folder, cli = sys.argv[1], os.path.realpath(sys.argv[2])
scratch = tempfile.mkdtemp(prefix='rendaro-browser-')
failures = []


def cli_screen(lines):
    """rendaro-cli's screenshot after LINES, as RGB bytes."""
    folder = tempfile.mkdtemp(dir=scratch)
    script = '\n'.join(lines + ['screenshot shot.png', 'quit']) + '\n'
    subprocess.run([cli, '--dir', os.path.join(folder, 'game')], input=script.encode(), cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    return subprocess.run(['convert', os.path.join(folder, 'shot.png'), 'rgb:-'], check=True,
                          stdout=subprocess.PIPE).stdout


def expect_same(what, page, expected):
    differ = sum(page[i:i + 3] != expected[i:i + 3] for i in range(0, len(expected), 3))
    if len(page) != len(expected) or differ:
        failures.append('%s: %d pixels differ from rendaro-cli\'s' % (what, differ))
        if os.environ.get('RENDARO_KEEP_SHOTS'):
            for name, pixels in [('page', page), ('cli', expected)]:
                subprocess.run(['convert', '-size', '240x320', '-depth', '8', 'rgb:-', '%s/%s-%s.png' % (
                    os.environ['RENDARO_KEEP_SHOTS'], what.replace(' ', '_'), name)], input=pixels, check=True)
    print('%s: %d pixels differ' % (what, differ))


def stored_record(driver):
    return bytearray.fromhex(driver.execute_script(
        "return localStorage.getItem(rendaroTest.storagePrefix + '/rendaro/game/rendart')"))


def store_record(driver, record):
    driver.execute_script("localStorage.setItem(rendaroTest.storagePrefix + '/rendaro/game/rendart', arguments[0])",
                          bytes(record).hex())


def reseal(record):
    record[0:4] = (sum(record[CHECKSUM_START:RECORD_SIZE]) & 0xFFFFFFFF).to_bytes(4, 'little')
    return record


def main():
    profile = os.path.join(scratch, 'profile')
    site = Site(site_folder, ROLLS)
    try:
        driver = browser(profile)
    except WebDriverException as error:
        print('SKIP: headless Chromium cannot start here (%s)' % str(error).strip().splitlines()[0])
        return 0
    roll_line = ['roll ' + ' '.join(map(str, ROLLS))]
    try:
        open_page(driver, site.url)
        expect_same('a new game', canvas(driver), cli_screen([]))
        # The die's tap lands in the pauses of the roll before it, with the tab hidden while they run: it
        # waits in the queue and is played once, as on the desktop. (Taps before a roll of one's own are
        # dropped by the game, so the second roll's are the ones that count.)
        screen_points = [(x, y + TITLE_BAR) for x, y in OPENING]
        tap(driver, screen_points[0])
        settle(driver)
        tap(driver, *screen_points[1:3])
        hide_for_a_moment(driver)
        settle(driver)
        if not driver.execute_script('return rendaroPage.figures.takenInPauses'):
            failures.append('the die\'s tap did not land in the roll\'s pauses, so the check proves nothing')
        for point in screen_points[3:]:
            tap(driver, point)
            settle(driver)
        opening = roll_line + ['tap %d %d' % point for point in OPENING]
        expect_same('the opening tapped', canvas(driver), cli_screen(opening))
        # The taps unlocked sound: the rolls' and the moves' cues reached Web Audio.
        if not driver.execute_script('return rendaroPage.figures.cuesPlayed'):
            failures.append('no sound played after the first taps')

        driver.execute_script('localStorage.clear()')
        open_page(driver, site.url)
        for _, key in KEYS:
            press(driver, key)
        # rendaro-cli keeps its queue across a restart; the page opened again starts from what was left.
        rolls_left = ROLLS[len(ROLLS) - driver.execute_script('return rendaroTest.rollsLeft()'):]
        keys = roll_line + ['key ' + name for name, _ in KEYS]
        expect_same('the opening from the keyboard', canvas(driver), cli_screen(keys))

        open_page(driver, site.url)
        restarted = cli_screen(keys + ['restart'])
        expect_same('the page reloaded', canvas(driver), restarted)
        if not driver.execute_script('return !!navigator.serviceWorker.controller'):
            failures.append('no service worker controls the page after a reload')
        kept = stored_record(driver)
        driver.quit()

        # Offline: no server, a fresh disk cache and the old one gone; only the service worker can answer.
        site.stop()
        for cache in ['Cache', 'Code Cache']:
            shutil.rmtree(os.path.join(profile, 'Default', cache), ignore_errors=True)
        driver = browser(profile, cache=tempfile.mkdtemp(dir=scratch))
        open_page(driver, site.rolling(rolls_left))
        expect_same('the page offline', canvas(driver), restarted)
        press(driver, Keys.TAB)
        press(driver, Keys.ENTER)
        played = canvas(driver)
        expect_same('a token played offline', played, cli_screen(keys + ['restart', 'key tab', 'key enter']))
        if played == restarted:
            failures.append('the keys changed nothing offline, so the check proves nothing')

        # Damaged records: each starts a new game, as on the desktop.
        fresh = cli_screen([])
        broken_sum = bytearray(kept)
        broken_sum[CURRENT_PLAYER + 1] ^= 0x40
        impossible = bytearray(kept)
        impossible[CURRENT_PLAYER] = 7
        for what, record in [('a record whose checksum fails', broken_sum), ('a record with impossible fields', reseal(impossible))]:
            store_record(driver, record)
            open_page(driver, site.url)
            expect_same(what, canvas(driver), fresh)
        driver.quit()

        # Storage refused: the game plays on and says so once.
        site = Site(site_folder, ROLLS)
        driver = browser(os.path.join(scratch, 'refusing'), refuse_storage=True)
        open_page(driver, site.url)
        tap(driver, (OPENING[0][0], OPENING[0][1] + TITLE_BAR))
        settle(driver)
        warnings = [entry for entry in driver.get_log('browser') if 'refuses to keep the game' in entry['message']]
        if len(warnings) != 1:
            failures.append('refused storage told %d times, not once' % len(warnings))
        expect_same('a roll without storage', canvas(driver), cli_screen(roll_line + ['tap %d %d' % OPENING[0]]))
    finally:
        driver.quit()
        site.stop()
        shutil.rmtree(scratch, ignore_errors=True)
    for failure in failures:
        print('FAIL: ' + failure)
    return 1 if failures else 0


sys.exit(main())
