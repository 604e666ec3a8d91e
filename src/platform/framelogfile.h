#pragma once

#include <QString>
#include <cstdint>

struct StepShown;

// The CSV of every step the run's flashes show, written a line at a time so that a crash loses
// at most the line being written. The file is locked against other programs while the run holds
// it, and is emptied or made only when the run's first flash opens.
class FrameLogFile {
public:
    FrameLogFile() = default;
    ~FrameLogFile();
    FrameLogFile(const FrameLogFile&) = delete;
    FrameLogFile& operator=(const FrameLogFile&) = delete;

    // Takes the path for the run: a file that is there is opened and locked, but left as it is;
    // for one that is not, its folder must let it be made. The problem, or empty.
    QString claim(const QString& path);
    bool isClaimed() const { return !path_.isEmpty(); }
    // Empties the claimed file, or makes it, and writes the header; the first call of the run
    // does, later ones find it done. The problem, or empty when rows may come.
    QString begin();
    // Both at once.
    QString open(const QString& path);
    bool isOpen() const { return begun_; }
    // Only whole lines: a row that does not fit is left out and counted, and stderr tells when
    // rows begin to be left out and when the file takes them again, where a line counts them.
    void write(const StepShown& shown);
    // At the end of the run: a count of rows left out is written now if it can be, and told if not.
    void finish();

private:
    bool writeLine(const QString& line);
    // A row (none for the header) that could not be written, for the reason.
    void leaveOut(const StepShown* shown, int error);

    int descriptor_ = -1;
    QString path_;
    bool begun_ = false;
    bool headerWritten_ = false;
    // Where the last whole line ends: a line cut short by a full disk is cut back to here.
    std::int64_t end_ = 0;
    bool leavingOut_ = false;
    std::int64_t lostRows_ = 0;
    int firstLostStep_ = 0;
    QString firstLostScreen_;
};
