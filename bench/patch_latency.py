#!/usr/bin/env python3
"""Measures the patch window against a server written to each protocol: from the server's
sending of a color to the log's shown time, and (web display) from the shown time to the next
request. Run on an X server: xvfb-run -a -s "-screen 0 1920x1080x24" \
    bench/patch_latency.py build/src/chromaflick [PATCHES]"""
import csv
import os
import signal
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import time


def now_us():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC) // 1000


def greys(count):
    # Neighbouring greys: no flash warning, and every patch differs from the one before.
    return [100 + i % 40 for i in range(count)]


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def listener(port):
    server = socket.socket()
    server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    server.bind(("127.0.0.1", port))
    server.listen(4)
    return server


def serve_web(server, levels):
    """Answers each request at once with the next grey; returns the sending times and the
    arrival of every request after the first."""
    sent, asked = [], []
    for level in levels + [None]:
        connection, _ = server.accept()
        request = b""
        while b"\r\n\r\n" not in request:
            request += connection.recv(4096)
        if sent:
            asked.append(now_us())
        if level is None:
            return sent, asked, connection
        sent.append(now_us())
        connection.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n#%02X%02X%02X"
                           % (level, level, level))
        connection.close()


def serve_resolve(server, levels, interval):
    connection, _ = server.accept()
    sent = []
    time.sleep(1)
    for level in levels:
        xml = (b'<calibration><color red="%d" green="%d" blue="%d"/></calibration>'
               % (level, level, level))
        sent.append(now_us())
        connection.sendall(struct.pack(">I", len(xml)) + xml)
        time.sleep(interval)
    return sent, [], connection


def run(binary, protocol, count):
    port = 24000 + os.getpid() % 1000 + (0 if protocol == "web" else 1)
    server = listener(port)
    folder = tempfile.mkdtemp()
    log = os.path.join(folder, "patches.csv")
    env = dict(os.environ, XDG_CONFIG_HOME=folder)
    option = (["--web-display", "http://127.0.0.1:%d" % port] if protocol == "web"
              else ["--resolve", "127.0.0.1:%d" % port])
    program = subprocess.Popen([binary, *option, "--log", log], env=env,
                               stderr=subprocess.DEVNULL)
    levels = greys(count)
    if protocol == "web":
        sent, asked, held = serve_web(server, levels)
    else:
        sent, asked, held = serve_resolve(server, levels, 0.1)
    time.sleep(0.5)
    program.send_signal(signal.SIGTERM)
    program.wait(10)
    held.close()
    with open(log) as rows:
        shown = [int(row["shown_us"]) for row in csv.DictReader(rows)]
    if len(shown) != len(sent):
        sys.exit("%s: %d patches sent, %d logged" % (protocol, len(sent), len(shown)))
    to_screen = [(s - t) / 1000 for s, t in zip(shown, sent)]
    print("%s, %d patches: sent to shown    median %.2f ms, p99 %.2f ms"
          % (protocol, count, statistics.median(to_screen), percentile(to_screen, 0.99)))
    if asked:
        to_request = [(a - s) / 1000 for a, s in zip(asked, shown)]
        print("%s, %d patches: shown to request median %.2f ms, p99 %.2f ms, earliest %.2f ms"
              % (protocol, count, statistics.median(to_request),
                 percentile(to_request, 0.99), min(to_request)))


binary = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
run(binary, "web", count)
run(binary, "resolve", min(count, 100))
