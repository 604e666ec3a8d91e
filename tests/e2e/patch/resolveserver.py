#!/usr/bin/env python3
"""A Resolve sender that sends the one message given, framed, to the first patch generator that
connects, and holds the connection."""
import socket
import struct
import sys
import time

port, xml = int(sys.argv[1]), sys.argv[2].encode("utf-8")
listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", port))
listener.listen(1)
print("listening", flush=True)
connection, _ = listener.accept()
connection.sendall(struct.pack(">I", len(xml)) + xml)
time.sleep(3600)
