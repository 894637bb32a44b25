#!/usr/bin/env python3
"""Runs a program built for the web in headless Chromium, for CTest (the web build's emulator).

The program's folder is served on 127.0.0.1 only, beside a page of the runner's own that
starts the program with the given arguments and sends back what it prints and the status it
exits with.
The runner prints the program's output and exits with the program's status; a program that
aborts, a page error, a browser that stops or a run past the time limit fail the run.

Usage: chromium-run.py PROGRAM.js [ARG ...]
Environment: ZORVAN_CHROMIUM (the browser, default chromium), ZORVAN_RUN_SECONDS (the time
limit, default 600); every other ZORVAN_ variable is handed to the program.
"""
import http.server
import json
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

OWN_SETTINGS = ("ZORVAN_CHROMIUM", "ZORVAN_RUN_SECONDS")

RUNNER_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>run</title></head>
<body style="margin:0">
<div id="screen" style="position:absolute;left:0;top:0;width:1366px;height:768px"></div>
<script>
"use strict";
// Ordered and never lost: each report is sent before the program goes on.
function report(kind, text) {
    const request = new XMLHttpRequest();
    request.open("POST", "/report/" + kind, false);
    request.send(String(text));
}
window.addEventListener("error", event => report("error", event.message));
window.addEventListener("unhandledrejection", event => report("error", event.reason));
</script>
<script src="%(script)s"></script>
<script>
"use strict";
// The test programs end themselves with exit(status) (tests/webmain.cpp), which reaches
// onExit also when a modal dialog suspended main on the way.
createQtAppInstance({
    arguments: %(arguments)s,
    thisProgram: %(name)s,
    zorvanEnvironment: %(environment)s,
    qtContainerElements: [document.getElementById("screen")],
    print: text => report("out", text + "\\n"),
    printErr: text => report("out", text + "\\n"),
    onAbort: what => report("error", "aborted: " + what),
    onExit: status => report("exit", status),
}).catch(error => report("error", error));
</script>
</body></html>
"""


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    program = os.path.abspath(sys.argv[1])
    folder, script = os.path.split(program)
    name = os.path.splitext(script)[0]
    page = RUNNER_PAGE % {
        "script": urllib.parse.quote(script),
        "arguments": json.dumps(sys.argv[2:]),
        "name": json.dumps(name),
        # The test's own settings (CTest's ENVIRONMENT), for the program's getenv.
        "environment": json.dumps({key: value for key, value in os.environ.items()
                                   if key.startswith("ZORVAN_") and key not in OWN_SETTINGS}),
    }
    reports = queue.Queue()

    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=folder, **kwargs)

        def do_GET(self):
            if self.path.split("?")[0] == "/run.html":
                body = page.encode()
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
            else:
                super().do_GET()

        def do_POST(self):
            length = int(self.headers.get("Content-Length", 0))
            text = self.rfile.read(length).decode("utf-8", "replace")
            reports.put((self.path.rsplit("/", 1)[-1], text))
            self.send_response(204)
            self.end_headers()

        def log_message(self, *args):
            pass

    Handler.extensions_map = {**Handler.extensions_map, ".wasm": "application/wasm",
                              ".js": "text/javascript"}
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    address = "http://127.0.0.1:%d/run.html" % server.server_address[1]

    browser = os.environ.get("ZORVAN_CHROMIUM", "chromium")
    profile = tempfile.mkdtemp(prefix="zorvan-chromium-")
    chromium = subprocess.Popen(
        [browser, "--headless", "--no-sandbox", "--use-angle=swiftshader",
         "--enable-unsafe-swiftshader", "--no-first-run", "--disable-extensions",
         "--user-data-dir=" + profile, "--window-size=1366,768", address],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def watch_browser():
        chromium.wait()
        reports.put(("browser", "the browser ended with status %d" % chromium.returncode))

    threading.Thread(target=watch_browser, daemon=True).start()
    time_limit = float(os.environ.get("ZORVAN_RUN_SECONDS", "600"))
    deadline = time.monotonic() + time_limit
    status = 1
    try:
        while True:
            try:
                kind, text = reports.get(timeout=max(0, deadline - time.monotonic()))
            except queue.Empty:
                print("chromium-run: no end within %g s" % time_limit, flush=True)
                break
            if kind == "out":
                sys.stdout.write(text)
                sys.stdout.flush()
            elif kind == "exit":
                status = int(text) if text.lstrip("-").isdigit() else 1
                break
            else:
                print("chromium-run: %s" % text, flush=True)
                break
    finally:
        if chromium.poll() is None:
            chromium.terminate()
            try:
                chromium.wait(timeout=10)
            except subprocess.TimeoutExpired:
                chromium.kill()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    sys.exit(status)


if __name__ == "__main__":
    main()
