"""Headless Chromium as a phone, driven through the DevTools protocol, for the phone page's
tests and benchmarks: the site served on 127.0.0.1 only, Chromium's mobile emulation with touch,
taps as touch events, typing as a phone's on-screen keyboard types (one input per character).
Needs Debian's chromium and python3-websocket.
"""

import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

ANDROID = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0 Mobile Safari/537.36")


class Failure(Exception):
    pass


class Site:
    """Serves a folder on 127.0.0.1 with the types a static host gives, optionally the .br or
    .gz copy where the browser takes it, and notes every path asked for."""

    TYPES = {".js": "text/javascript", ".wasm": "application/wasm", ".css": "text/css",
             ".html": "text/html", ".png": "image/png",
             ".webmanifest": "application/manifest+json"}

    def __init__(self, folder, compressed=False):
        self.folder = folder
        self.requested = []
        self.sent = 0  # the bodies' bytes, as sent
        site = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **Site.TYPES}

            def __init__(self, *args, **kwargs):
                super().__init__(*args, directory=folder, **kwargs)

            def end_headers(self):
                self.send_header("Cache-Control", "no-cache")
                super().end_headers()

            def do_GET(self):
                site.requested.append(self.path.split("?")[0])
                path = self.translate_path(self.path)
                if os.path.isdir(path):
                    path = os.path.join(path, "index.html")
                if not os.path.isfile(path):
                    self.send_error(404)
                    return
                # Revalidated as a static host answers it: unchanged files are not sent again.
                modified = self.date_time_string(int(os.path.getmtime(path)))
                if self.headers.get("If-Modified-Since") == modified:
                    self.send_response(304)
                    self.end_headers()
                    return
                served, encoding = path, None
                accepted = self.headers.get("Accept-Encoding", "")
                for name, suffix in (("br", ".br"), ("gzip", ".gz")):
                    if compressed and name in accepted and os.path.isfile(path + suffix):
                        served, encoding = path + suffix, name
                        break
                with open(served, "rb") as body:
                    data = body.read()
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Last-Modified", modified)
                if encoding:
                    self.send_header("Content-Encoding", encoding)
                self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                self.wfile.write(data)
                site.sent += len(data)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    @property
    def url(self):
        return "http://127.0.0.1:%d/" % self.server.server_address[1]

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One headless Chromium with a scratch profile, and its first tab."""

    def __init__(self, language="en-GB"):
        self.profile = tempfile.mkdtemp(prefix="zorvan-page-test-")
        self.process = subprocess.Popen(
            [os.environ.get("ZORVAN_CHROMIUM", "chromium"), "--headless", "--no-sandbox",
             "--disable-dev-shm-usage", "--no-first-run", "--disable-gpu",
             "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=0",
             f"--lang={language}", f"--accept-lang={language}",
             "--user-data-dir=" + self.profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        for _ in range(300):
            if os.path.exists(port_file) and open(port_file).read().count("\n") >= 1:
                break
            if self.process.poll() is not None:
                raise Failure("chromium ended at start")
            time.sleep(0.05)
        else:
            raise Failure("chromium did not open its DevTools port")
        self.port = int(open(port_file).read().split()[0])
        for _ in range(100):
            try:
                targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{self.port}/json"))
                page = [t for t in targets if t["type"] == "page"][0]
                break
            except (OSError, IndexError):
                time.sleep(0.1)
        self.tab = Tab(page["webSocketDebuggerUrl"])

    def close(self):
        try:
            self.tab.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Tab:
    def __init__(self, url):
        self.socket = websocket.create_connection(url, timeout=120, suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.call("Page.enable")
        self.call("Runtime.enable")

    def close(self):
        self.socket.close()

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise Failure(f"{method}: {message['error'].get('message')}")
                return message.get("result", {})
            if "method" in message:
                self.events.append(message)

    def evaluate(self, expression, wait=True):
        """The value of a JavaScript expression (a promise is waited for)."""
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=wait, userGesture=True)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            raise Failure(f"the page threw: {text}\n  in: {expression[:300]}")
        return result.get("result", {}).get("value")

    def wait_for(self, expression, seconds=20, what=None):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            try:
                value = self.evaluate(expression)
            except Failure:
                value = None  # a page on its way: asked again
            if value:
                return value
            time.sleep(0.05)
        raise Failure(f"waited {seconds} s for {what or expression}")

    # The phone.

    def as_phone(self, width=360, height=640, scale=3, mobile=True):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=mobile,
                  screenOrientation={"type": "portraitPrimary" if height >= width
                                     else "landscapePrimary", "angle": 0 if height >= width else 90})
        self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        self.call("Emulation.setUserAgentOverride", userAgent=ANDROID, platform="Android")

    def open(self, url, ready=True):
        self.call("Page.navigate", url=url)
        if ready:
            self.wait_ready()

    def reload(self):
        self.call("Page.reload", ignoreCache=False)
        self.wait_ready()

    def wait_ready(self):
        # The page before the navigation may still answer for a moment: its flag is gone on the
        # new one until the page is ready.
        time.sleep(0.1)
        state = self.wait_for("document.documentElement?.dataset.ready", 60, "the page to start")
        if state != "yes":
            raise Failure("the page did not start: " + self.text("#Loading"))

    def text(self, selector):
        return self.evaluate(f"document.querySelector({json.dumps(selector)})?.textContent ?? null")

    def centre(self, selector):
        """Scrolls the element into view and returns the point a finger would touch, after
        checking that the element itself (not a bar or a header over it) is there."""
        found = self.evaluate(f"""(() => {{
            const element = document.querySelector({json.dumps(selector)});
            if (!element) return "missing";
            if (!element.getClientRects().length) return "hidden";
            element.scrollIntoView({{block: "center", inline: "nearest"}});
            const r = element.getBoundingClientRect();
            const x = r.left + r.width / 2, y = r.top + r.height / 2;
            const top = document.elementFromPoint(x, y);
            if (!top || !(top === element || element.contains(top) || top.contains(element) &&
                          top.tagName === "LABEL"))
                return "covered by " + (top ? (top.id || top.tagName) : "nothing");
            window.zorvanTapped = false;
            element.addEventListener("click", () => {{ window.zorvanTapped = true; }},
                                     {{once: true, capture: true}});
            return [x, y];
        }})()""")
        if not isinstance(found, list):
            raise Failure(f"cannot touch {selector}: {found}")
        return found

    def tap(self, selector, navigates=False):
        """A finger's tap on the element; `navigates`: it leaves the page, so that its click
        is not waited for."""
        x, y = self.centre(selector)
        point = [{"x": x, "y": y, "radiusX": 4, "radiusY": 4, "force": 1, "id": 1}]
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=point)
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        if navigates:
            return
        # A tap is a click once the browser has recognised the gesture.
        self.wait_for("window.zorvanTapped", 5, f"the tap on {selector} to click")
        self.settle()

    def type(self, selector, text):
        """Taps the field and types text a character at a time, as an on-screen keyboard does:
        each character is one input event."""
        self.tap(selector)
        for character in text:
            self.call("Input.insertText", text=character)
        self.settle()

    def erase(self, selector, count=None):
        """Backspace, `count` times or until the field is empty."""
        self.tap(selector)
        if count is None:
            count = len(self.evaluate(f"document.querySelector({json.dumps(selector)}).value"))
        self.evaluate(f"document.querySelector({json.dumps(selector)}).setSelectionRange(1e6, 1e6)")
        for _ in range(count):
            for kind in ("rawKeyDown", "keyUp"):
                self.call("Input.dispatchKeyEvent", type=kind, key="Backspace", code="Backspace",
                          windowsVirtualKeyCode=8, nativeVirtualKeyCode=8)
        self.settle()

    def settle(self):
        """Lets the page's handlers run: two animation frames."""
        self.evaluate("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")

    # The page's message box.

    def message(self):
        """The open message box as {text, icon, title, modal}, or None."""
        return self.evaluate("""(() => {
            const box = document.getElementById("MessageBox");
            if (!box.open) return null;
            return {text: document.getElementById("MessageText").textContent,
                    icon: document.getElementById("MessageIcon").dataset.icon,
                    title: document.getElementById("MessageTitle").textContent,
                    modal: box.matches(":modal")};
        })()""")

    def dismiss(self):
        self.tap("#MessageOk")
        self.wait_for("!document.getElementById('MessageBox').open", 5, "the message to close")
        self.settle()
