"""The page in headless Chromium for the tests and the figures: a local server, a browser, and real
pointer and key input that waits until the game has settled."""
import base64, functools, http.server, threading
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.support.ui import WebDriverWait

WIDTH, HEIGHT = 240, 320


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """The site on one fixed port of 127.0.0.1, which the service worker's origin needs across starts."""
    def __init__(self, folder, rolls):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = self.rolling(rolls)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def rolling(self, rolls):
        return 'http://127.0.0.1:%d/?roll=%s' % (self.server.server_address[1], ','.join(map(str, rolls)))

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


def browser(profile, cache=None, refuse_storage=False):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ['--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--window-size=600,800',
                     '--force-device-scale-factor=2',
                     '--user-data-dir=' + profile, '--no-first-run', '--disable-background-networking']:
        options.add_argument(argument)
    if cache:
        options.add_argument('--disk-cache-dir=' + cache)
        options.add_argument('--disk-cache-size=1')
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    if refuse_storage:
        driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source':
            "Storage.prototype.setItem = function () { throw new DOMException('full', 'QuotaExceededError'); };"})
    return driver


def settle(driver):
    WebDriverWait(driver, 60, poll_frequency=0.05).until(
        lambda d: d.execute_script('return !!window.rendaroTest && rendaroTest.idle()'))


def open_page(driver, url):
    driver.get(url)
    settle(driver)


def tap(driver, *points):
    """Presses and releases of the primary pointer on screen pixels (x, y), through the page's own
    scaling, sent in one go: each after the first reaches the page while the game may still be busy."""
    rect = driver.execute_script('return document.getElementById("screen").getBoundingClientRect().toJSON()')
    actions = ActionBuilder(driver)
    for x, y in points:
        actions.pointer_action.move_to_location(int(rect['left'] + (x + 0.5) * rect['width'] / WIDTH),
                                                int(rect['top'] + (y + 0.5) * rect['height'] / HEIGHT))
        actions.pointer_action.pointer_down()
        actions.pointer_action.pointer_up()
    actions.perform()


def press(driver, key):
    ActionChains(driver).send_keys(key).perform()
    settle(driver)


def hide_for_a_moment(driver):
    """Another tab in front and closed again: the page is hidden meanwhile, its timers slowed."""
    page = driver.current_window_handle
    driver.switch_to.new_window('tab')
    driver.close()
    driver.switch_to.window(page)


def canvas(driver):
    data = driver.execute_script("""
        const pixels = document.getElementById('screen').getContext('2d').getImageData(0, 0, 240, 320).data;
        let text = '';
        for (let i = 0; i < pixels.length; i += 4) text += String.fromCharCode(pixels[i], pixels[i + 1], pixels[i + 2]);
        return btoa(text);""")
    return base64.b64decode(data)
