#!/usr/bin/env python3
"""Drives the patch window with DisplayCAL's own Resolve server at 10 bits: a patch of 10 % of the
screen over a background, then, when the file named by the second argument appears, a
full-screen patch. Needs DisplayCAL's unpacked package on PYTHONPATH."""
import os
import sys
import time

from DisplayCAL.patterngenerators import ResolveCMPatternGeneratorServer

port, go_on = int(sys.argv[1]), sys.argv[2]
server = ResolveCMPatternGeneratorServer(port=port, bits=10)
print("listening", flush=True)
server.wait()
server.send((1, 0, 0), (0.25, 0.5, 0.75), x=0.45, y=0.45, w=0.1, h=0.1)
while not os.path.exists(go_on):
    time.sleep(0.05)
server.send((0, 0, 1), (1, 1, 1), x=0, y=0, w=1, h=1)
time.sleep(3600)
