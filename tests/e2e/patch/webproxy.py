#!/usr/bin/env python3
"""Stands between the patch window and a web display server, and writes down when each request
arrives (CLOCK_MONOTONIC microseconds, as the step log counts) and what it asks."""
import socket
import sys
import threading
import time

listen_port, target_port, record = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
lock = threading.Lock()


def pipe(source, sink):
    try:
        while True:
            data = source.recv(65536)
            if not data:
                break
            sink.sendall(data)
    except OSError:
        pass
    for s in (source, sink):
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def serve(client):
    request = b""
    while b"\r\n\r\n" not in request:
        data = client.recv(65536)
        if not data:
            client.close()
            return
        request += data
    arrived = time.clock_gettime_ns(time.CLOCK_MONOTONIC) // 1000
    with lock, open(record, "a") as out:
        out.write("%d %s\n" % (arrived, request.split(b"\r\n")[0].decode("latin-1")))
    # A server that ends between the connect and the send must still close the client's
    # connection: left to the garbage collector, it stays open and looks like a held request.
    try:
        with socket.create_connection(("127.0.0.1", target_port)) as server:
            server.sendall(request)
            pipe(server, client)
    except OSError:
        pass
    finally:
        client.close()


listener = socket.socket()
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", listen_port))
listener.listen(8)
print("listening", flush=True)
while True:
    connection, _ = listener.accept()
    threading.Thread(target=serve, args=(connection,), daemon=True).start()
