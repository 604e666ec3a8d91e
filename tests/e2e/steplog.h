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

// How many of a run's rows the server may tell late: its refreshes are a timer of its own, and
// whenever it gets the processor late on a busy machine it shows a step a refresh late, or two in
// one refresh, the first of them skipped. A lock that is late itself, or plans a step after its
// refresh now and then, has far more.
inline qsizetype lateTheServerMayTell(qsizetype rows) {
    return rows / 10;
}
