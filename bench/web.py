#!/usr/bin/env python3
"""The web build's two figures: what a player downloads, and the time to the first paint.

Download: every file of the site, since the service worker fetches them all to keep them
(the page, the script, the .wasm, the manifest, the service worker, the icons), each counted as a static host serves it compressed: with gzip
and with Brotli, from the .gz and .br copies beside it where the site has them.

First paint: the site is served on 127.0.0.1 only (with the .gz copies where the browser
takes gzip, as a static host does) and opened in headless Chromium, driven through the
DevTools protocol. The first load fills the caches; each reload after it is a start from a
warm cache, timed from the navigation's start to the calculator's first paint (the mark
"zorvan-first-paint" the program puts in the page's timeline). Prints the median and the
slowest.

With --offline, a check instead (a test of the web build): the site is loaded once, the
browser must find it installable as an app, with every icon of its manifest in the site at the
size the manifest gives, kept by the service worker, and the 192 and 512 pixel icons that
installers pick among them; then its server is stopped, and the page must reload and paint
the calculator from what the service worker kept.

Usage: web.py [SITE_DIR] [RELOADS]   (default build-web/site, 5)
       web.py --offline SITE_DIR
"""

import base64
import gzip
import http.server
import json
import os
import shutil
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

GOAL_BYTES = 5_000_000
GOAL_SECONDS = 2.0


def compressed_size(path, suffix):
    if os.path.exists(path + suffix):
        return os.path.getsize(path + suffix)
    if suffix == ".gz":
        with open(path, "rb") as original:
            return len(gzip.compress(original.read(), 9))
    # Brotli only where the site has the copy; otherwise the file as it is.
    return os.path.getsize(path)


def report_download(site):
    # The service worker fetches every file of the site to keep it, so all of them count.
    rows = []
    for name in sorted(os.listdir(site)):
        # The phone page in phone/ is a download of its own (bench/page.py).
        if name.endswith((".gz", ".br")) or os.path.isdir(os.path.join(site, name)):
            continue
        path = os.path.join(site, name)
        rows.append((name, os.path.getsize(path), compressed_size(path, ".gz"),
                     compressed_size(path, ".br")))
    for name, plain, gz, br in rows:
        print("%-26s %11d %11d %11d" % (name, plain, gz, br))
    totals = [sum(row[i] for row in rows) for i in (1, 2, 3)]
    print("%-26s %11d %11d %11d   (bytes: as built, gzip, Brotli)" % ("download", *totals))
    return totals[2]


class WebSocket:
    """Just enough of RFC 6455 for the DevTools protocol on 127.0.0.1."""

    def __init__(self, url):
        host, path = url[len("ws://"):].split("/", 1)
        name, port = host.split(":")
        self.socket = socket.create_connection((name, int(port)))
        key = base64.b64encode(os.urandom(16)).decode()
        self.socket.sendall(("GET /%s HTTP/1.1\r\nHost: %s\r\nUpgrade: websocket\r\n"
                             "Connection: Upgrade\r\nSec-WebSocket-Key: %s\r\n"
                             "Sec-WebSocket-Version: 13\r\n\r\n" % (path, host, key)).encode())
        self.buffer = b""
        while b"\r\n\r\n" not in self.buffer:
            self.buffer += self.socket.recv(4096)
        self.buffer = self.buffer.split(b"\r\n\r\n", 1)[1]
        self.next_id = 0

    def send(self, method, **params):
        self.next_id += 1
        data = json.dumps({"id": self.next_id, "method": method, "params": params}).encode()
        mask = os.urandom(4)
        length = len(data)
        if length < 126:
            header = bytes([0x81, 0x80 | length])
        elif length < 65536:
            header = bytes([0x81, 0x80 | 126]) + struct.pack(">H", length)
        else:
            header = bytes([0x81, 0x80 | 127]) + struct.pack(">Q", length)
        masked = bytes(byte ^ mask[i % 4] for i, byte in enumerate(data))
        self.socket.sendall(header + mask + masked)
        while True:
            message = self.receive()
            if message.get("id") == self.next_id:
                return message.get("result", {})

    def receive(self):
        def need(count):
            while len(self.buffer) < count:
                self.buffer += self.socket.recv(65536)

        need(2)
        length, offset = self.buffer[1] & 127, 2
        if length == 126:
            need(4)
            length, offset = struct.unpack(">H", self.buffer[2:4])[0], 4
        elif length == 127:
            need(10)
            length, offset = struct.unpack(">Q", self.buffer[2:10])[0], 10
        need(offset + length)
        data, self.buffer = self.buffer[offset:offset + length], self.buffer[offset + length:]
        return json.loads(data)


def serve(site):
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=site, **kwargs)

        def do_GET(self):
            path = self.translate_path(self.path)
            if ("gzip" in self.headers.get("Accept-Encoding", "")
                    and os.path.exists(path + ".gz")):
                with open(path + ".gz", "rb") as body:
                    data = body.read()
                self.send_response(200)
                self.send_header("Content-Type", self.guess_type(path))
                self.send_header("Content-Encoding", "gzip")
                self.send_header("Content-Length", str(len(data)))
                self.end_headers()
                self.wfile.write(data)
            else:
                super().do_GET()

        def log_message(self, *args):
            pass

    Handler.extensions_map = {**Handler.extensions_map, ".wasm": "application/wasm",
                              ".js": "text/javascript",
                              ".webmanifest": "application/manifest+json"}
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def first_paint_seconds(page, deadline=120):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        # The page before a reload carries a flag, so that its mark is not read again.
        result = page.send("Runtime.evaluate", expression=(
            "window.zorvanBenchSeen ? undefined : "
            "(performance.getEntriesByName('zorvan-first-paint')[0] || {}).startTime"),
            returnByValue=True)
        value = result.get("result", {}).get("value")
        if value is not None:
            page.send("Runtime.evaluate", expression="window.zorvanBenchSeen = true")
            return value / 1000
        time.sleep(0.05)
    sys.exit("no first paint within %d s" % deadline)


def png_size(path):
    with open(path, "rb") as picture:
        header = picture.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("%s is not a PNG" % path)
    return struct.unpack(">II", header[16:24])


def check_installable(page, site):
    errors = page.send("Page.getInstallabilityErrors").get("installabilityErrors")
    if errors:
        sys.exit("the browser would not install the site as an app: %s" % errors)
    manifest = page.send("Page.getAppManifest")
    if manifest.get("errors"):
        sys.exit("the manifest has errors: %s" % manifest["errors"])
    with open(os.path.join(site, "service-worker.js")) as worker:
        kept = worker.read()
    sizes = set()
    for icon in json.loads(manifest["data"])["icons"]:
        width, height = png_size(os.path.join(site, icon["src"]))
        if icon["sizes"] != "%dx%d" % (width, height):
            sys.exit("%s is %dx%d, its manifest says %s" % (icon["src"], width, height,
                                                            icon["sizes"]))
        if '"%s"' % icon["src"] not in kept:
            sys.exit("the service worker does not keep %s" % icon["src"])
        sizes.add(width)
    if not {192, 512} <= sizes:
        sys.exit("the manifest's icons are %s pixels; installers pick 192 and 512" % sorted(sizes))
    print("installable, with icons of %s pixels" % ", ".join(map(str, sorted(sizes))))


def start_browser():
    profile = tempfile.mkdtemp(prefix="zorvan-bench-")
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    browser = subprocess.Popen(
        [os.environ.get("ZORVAN_CHROMIUM", "chromium"), "--headless", "--no-sandbox",
         "--use-angle=swiftshader", "--enable-unsafe-swiftshader", "--no-first-run",
         "--remote-debugging-address=127.0.0.1", "--remote-debugging-port=%d" % port,
         "--user-data-dir=" + profile, "--window-size=1366,768", "about:blank"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        try:
            targets = json.load(urllib.request.urlopen("http://127.0.0.1:%d/json" % port))
            break
        except OSError:
            time.sleep(0.1)
    else:
        sys.exit("the browser did not answer")
    page = WebSocket([t for t in targets if t["type"] == "page"][0]["webSocketDebuggerUrl"])
    page.send("Page.enable")
    return browser, profile, page


def main():
    offline = sys.argv[1:2] == ["--offline"]
    arguments = sys.argv[2:] if offline else sys.argv[1:]
    site = arguments[0] if arguments else "build-web/site"
    reloads = int(arguments[1]) if len(arguments) > 1 else 5
    download = None if offline else report_download(site)

    server = serve(site)
    browser, profile, page = start_browser()
    try:
        page.send("Page.navigate", url="http://127.0.0.1:%d/" % server.server_address[1])
        cold = first_paint_seconds(page)
        if offline:
            # The service worker has kept the files once the page is controlled by it.
            page.send("Runtime.evaluate", awaitPromise=True,
                      expression="navigator.serviceWorker.ready.then(() => true)")
            check_installable(page, site)
            server.shutdown()
            server.server_close()
            page.send("Page.reload")
            print("the calculator painted again %.2f s after a reload with its server gone"
                  % first_paint_seconds(page, 60))
            return
        warm = []
        for _ in range(reloads):
            page.send("Page.reload")
            warm.append(first_paint_seconds(page))
    finally:
        browser.terminate()
        browser.wait()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)

    print("first paint, first load:   %.2f s" % cold)
    print("first paint, warm cache:   median %.2f s, slowest %.2f s over %d reloads (goal %.1f s)"
          % (statistics.median(warm), max(warm), reloads, GOAL_SECONDS))
    print("download with Brotli:      %.2f MB (goal %.1f MB)" % (download / 1e6, GOAL_BYTES / 1e6))


if __name__ == "__main__":
    main()
