#!/usr/bin/env python3
"""A server that misbehaves on its first connection in one way, named by the first argument, and
then, to show the client came back, serves one good orange patch and holds the connection."""
import socket
import struct
import sys
import time

kind, port = sys.argv[1], int(sys.argv[2])
web = kind.startswith("web-")
HEADER = b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n"


def resolve_message(xml):
    return struct.pack(">I", len(xml)) + xml


GOOD_RESOLVE = resolve_message(
    b'<?xml version="1.0" encoding="UTF-8" ?><calibration><shapes><rectangle>'
    b'<color red="255" green="128" blue="0" /><geometry x="0.0000" y="0.0000" cx="1.0000" '
    b'cy="1.0000" /></rectangle></shapes></calibration>')

BAD = {
    "web-garbage": b"SSH-2.0-OpenSSH_9.2\r\n",
    "web-no-color": HEADER + b"#GG0000",
    "web-not-found": b"HTTP/1.1 404 Not Found\r\n\r\n",
    "web-closes-mid-message": b"HTTP/1.1 200 OK\r\nContent-",
    "web-stalls-mid-message": b"HTTP/1.1 200 OK\r\n",
    "resolve-too-long": struct.pack(">I", 1024 * 1024 + 1) + b"<calibration>",
    "resolve-malformed": resolve_message(b'<calibration><color red="1" green=</calibration>'),
    "resolve-out-of-range": resolve_message(
        b'<calibration><color red="1024" green="0" blue="0" bits="10"/></calibration>'),
    "resolve-not-calibration": resolve_message(b"<html><body/></html>"),
    "resolve-closes-mid-message": struct.pack(">I", 200) + b"<calibration>",
    "resolve-stalls-mid-message": struct.pack(">I", 200) + b"<calibration>",
}

listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", port))
listener.listen(1)
print("listening", flush=True)

connection, _ = listener.accept()
if web:
    connection.recv(65536)
if kind.endswith("silent"):
    time.sleep(3600)
connection.sendall(BAD[kind])
# A stalling server keeps its connection open and silent, and still takes the next one.
stalled = connection
if not kind.endswith("stalls-mid-message"):
    connection.close()

# Served until the test ends it: the client is back and shows orange.
while True:
    connection, _ = listener.accept()
    if web:
        connection.recv(65536)
        connection.sendall(HEADER + b"#FF8000")
        connection.close()
        # The next request is held, as a real server holds it until the next patch.
        held, _ = listener.accept()
        time.sleep(3600)
    connection.sendall(GOOD_RESOLVE)
    time.sleep(3600)
