#pragma once

#include <QList>
#include <QString>
#include <optional>

// One row of the program's --log.
struct LogRow {
    int step = 0;
    QString screen;
    QString first;
    QString second;
    std::optional<qint64> targetMsc;
    std::optional<qint64> shownMsc;
    qint64 shownUs = 0;
    QString missed;

    bool onTarget() const { return missed == u"0" && targetMsc && shownMsc == targetMsc; }
};

// The log's rows as the program's own reader takes them; none, with a warning, when it refuses
// the log.
QList<LogRow> readStepLog(const QString& path);

// How many of a run's rows may come late on a busy machine, where the program or the server
// gets the processor late now and then: a step a refresh late, or two in one refresh, the first
// of them skipped. How often steps come late is for the benchmark to measure; a lock whose
// schedule is wrong has most of its steps late.
inline qsizetype lateOnABusyMachine(qsizetype rows) {
    return rows / 4;
}
