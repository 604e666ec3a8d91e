#pragma once

#include <QString>

struct StepShown;

// The CSV of every step the run's flashes show, written a line at a time so that a crash loses
// at most the line being written.
class FrameLogFile {
public:
    FrameLogFile() = default;
    ~FrameLogFile();
    FrameLogFile(const FrameLogFile&) = delete;
    FrameLogFile& operator=(const FrameLogFile&) = delete;

    // Why no log could be written at the path, found without creating or changing a file, so
    // that a run that never starts leaves it as it was; empty when it looks writable.
    static QString problemBeforeOpening(const QString& path);
    // Starts the file afresh with its header; the problem, or empty when it is open.
    QString open(const QString& path);
    bool isOpen() const { return descriptor_ >= 0; }
    // A write that fails is told once on stderr; the flash goes on.
    void write(const StepShown& shown);

private:
    void writeLine(const QString& line);

    int descriptor_ = -1;
    QString path_;
    bool troubleTold_ = false;
};
