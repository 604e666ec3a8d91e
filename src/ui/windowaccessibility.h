#pragma once

// Makes screen readers see the program's top-level windows as frames: Qt presents a plain
// QWidget window as a filler, which a screen reader does not announce as a window.
void presentWindowsAsFrames();
