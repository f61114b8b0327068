#!/usr/bin/env python3
"""Ratepad under a long list and under kills, measured from outside the process.

  bench/rate-stress.py long-list [BUILD]   10,000 stored currencies with stale rates against the
                                           bundled rate server: time to the first frame, lookups
                                           answered in 3 s, time from SIGTERM to exit, and whether
                                           the saved list is whole.
  bench/rate-stress.py kill [BUILD] [RUNS] a refresh against a server answering each lookup after
                                           300 ms, killed with SIGKILL at a random moment: every rate
                                           logged more than 3 s before the kill must be in the file.

BUILD is the build folder (default: build). Prints figures; exits 1 when a check fails.
"""
import http.server
import os
import plistlib
import random
import re
import signal
import socketserver
import subprocess
import sys
import tempfile
import threading
import time
from datetime import datetime, timezone

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LINE = re.compile(r"^1 (\w+) = (\w+) (\S+)$")


def catalogue_codes():
    with open(os.path.join(ROOT, "resources", "Currencies.plist"), "rb") as f:
        return sorted(code for code in plistlib.load(f) if code != "USD")


def write_preferences(config, codes, rates=None):
    folder = os.path.join(config, "ratepad")
    os.makedirs(folder, exist_ok=True)
    entries = []
    for i, code in enumerate(codes):
        entry = {"currencyCode": code, "label": code}
        if rates:
            entry["exchangeRate"] = rates(i)
        entries.append(entry)
    values = {"localCurrency": {"currencyCode": "USD"}, "foreignCurrenciesStandard": entries,
              "foreignCurrencyIndex": 0, "automaticUpdatesEnabled": True, "lastUpdate": 0.0}
    path = os.path.join(folder, "preferences.plist")
    with open(path, "wb") as f:
        plistlib.dump(values, f)
    return path


class Lines:
    """Collects a stream's lines with the time each arrived."""

    def __init__(self, stream):
        self.lines = []
        self.thread = threading.Thread(target=self._read, args=(stream,), daemon=True)
        self.thread.start()

    def _read(self, stream):
        for raw in stream:
            self.lines.append((time.monotonic(), raw.decode("utf-8", "replace").rstrip("\n")))

    def rates(self):
        found = []
        for when, text in list(self.lines):
            m = LINE.match(text)
            if m and float(m.group(3)) > 0:
                found.append((when, m.group(2), float(m.group(3))))
        return found


def start_app(build, config, server, probe=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=config)
    if probe:
        env["RATEPAD_FIRST_FRAME_PROBE"] = "1"
    return subprocess.Popen([os.path.join(build, "src", "app", "ratepad"), "--rate-server", server,
                             "--reachability-host", "127.0.0.1"],
                            env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def long_list(build):
    # The shipped table as today's rates (a fresh copy is dated by its modification time).
    rates = tempfile.NamedTemporaryFile(suffix=".plist")
    with open(os.path.join(ROOT, "resources", "ExchangeRates.plist"), "rb") as shipped:
        rates.write(shipped.read())
    rates.flush()
    server = subprocess.Popen([os.path.join(build, "tools", "rateserver", "ratepad-rate-server"),
                               "--port", "0", "--rates", rates.name],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    port = re.search(rb":(\d+)/", server.stdout.readline()).group(1).decode()
    codes = catalogue_codes()
    listed = [codes[i % len(codes)] for i in range(10000)]
    ok = True
    with tempfile.TemporaryDirectory() as config:
        path = write_preferences(config, listed, rates=lambda i: 1.0)
        began = time.monotonic()
        app = start_app(build, config, "127.0.0.1:" + port, probe=True)
        err = Lines(app.stderr)
        first = app.stdout.readline().decode().split()
        started = time.monotonic() - began
        time.sleep(3)
        answered = len(err.rates())
        term = time.monotonic()
        app.send_signal(signal.SIGTERM)
        code = app.wait(timeout=60)
        quit_s = time.monotonic() - term
        with open(path, "rb") as f:
            saved = plistlib.load(f)["foreignCurrenciesStandard"]
        print(f"10,000 currencies: first frame {float(first[1]):.0f} ms after exec "
              f"({started * 1000:.0f} ms wall, RSS {float(first[2]) / 1024:.1f} MiB); "
              f"{answered} lookups answered in the 3 s after it; SIGTERM -> exit {quit_s * 1000:.0f} ms "
              f"(status {code}); {len(saved)} entries saved, "
              f"{sum(1 for e in saved if 'lastUpdate' in e)} with a downloaded rate")
        ok = code == 0 and quit_s < 1.0 and len(saved) == 10000
    server.kill()
    server.wait()
    return ok


class SlowRates(http.server.BaseHTTPRequestHandler):
    delay = 0.3

    def do_GET(self):
        time.sleep(self.delay)
        code = self.path.rsplit("dstCurrency=", 1)[-1]
        # A rate that tells runs apart, so that a value in the file must come from this run.
        value = "%.6f" % (1 + (hash((code, self.server.run)) % 100000) / 1000.0)
        body = ('<?xml version="1.0" encoding="utf-8"?>\r\n<double xmlns="http://rates.ratepad.example'
                '/webservices/CurrencyServer">%s</double>' % value).encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # the killed program hangs up on replies still on their way


def kill_test(build, runs):
    codes = catalogue_codes()
    random.seed(11)
    lost_total = checked_total = 0
    worst_age = 0.0
    for run in range(runs):
        httpd = Server(("127.0.0.1", 0), SlowRates)
        httpd.run = run
        threading.Thread(target=httpd.serve_forever, daemon=True).start()
        with tempfile.TemporaryDirectory() as config:
            path = write_preferences(config, codes)  # no rates: every one is looked up at start
            app = start_app(build, config, "127.0.0.1:%d" % httpd.server_address[1])
            err = Lines(app.stderr)
            time.sleep(random.uniform(3.5, 9.0))
            killed = time.monotonic()
            app.send_signal(signal.SIGKILL)
            app.wait()
            err.thread.join(timeout=2)
            try:
                with open(path, "rb") as f:
                    saved = {e["currencyCode"]: e.get("exchangeRate")
                             for e in plistlib.load(f)["foreignCurrenciesStandard"]}
            except FileNotFoundError:
                saved = {}
            for when, code, rate in err.rates():
                age = killed - when
                kept = saved.get(code) is not None and abs(saved[code] - rate) < 1e-9
                if not kept:
                    worst_age = max(worst_age, age)
                if age > 3.0:
                    checked_total += 1
                    lost_total += 0 if kept else 1
        httpd.shutdown()
        httpd.server_close()
    print(f"{runs} kills during a slow refresh: {checked_total} rates logged more than 3 s before "
          f"the kill, {lost_total} of them lost; the oldest lost rate was logged {worst_age:.2f} s "
          f"before its kill")
    return lost_total == 0


def main():
    if len(sys.argv) < 2 or sys.argv[1] not in ("long-list", "kill"):
        print(__doc__)
        return 2
    build = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "build"))
    if sys.argv[1] == "long-list":
        return 0 if long_list(build) else 1
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    return 0 if kill_test(build, runs) else 1


if __name__ == "__main__":
    sys.exit(main())
