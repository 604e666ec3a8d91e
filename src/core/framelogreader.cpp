#include "core/framelogreader.h"

#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <QStringList>
#include <limits>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FrameLogReader)
};

constexpr qsizetype FieldCount = 8;

// The fields of one line; none when a quote is left open or stray.
std::optional<QStringList> csvFields(QStringView line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u',') {
            fields.append(std::exchange(field, QString()));
            wasQuoted = false;
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (wasQuoted || c == u'"') {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields.append(field);
    return fields;
}

std::optional<std::int32_t> colorValue(const QString& text) {
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    for (qsizetype i = 1; i < 7; ++i) {
        if (!isHexDigit(text[i]))
            return std::nullopt;
    }
    const int rgb = text.mid(1).toInt(nullptr, 16);
    // Red in the low byte, as the engine keeps colors.
    return ((rgb >> 16) & 0xff) | (rgb & 0xff00) | ((rgb & 0xff) << 16);
}

// Room for one more digit below the type's end, as readPlainNumber needs; 29 000 years in
// microseconds.
constexpr qint64 Largest = std::numeric_limits<qint64>::max() / 10 - 9;

// The line that counts rows a full disk left out: only its step, screen and count are filled.
QString readLostRows(const QStringList& fields, QStringView count, LoggedStep& row) {
    const std::optional<qint64> rows = readPlainNumber(count, Largest);
    if (!rows || *rows < 1)
        return Texts::tr("the count of rows lost %1 is no whole number from 1")
            .arg(quotedForMessage(count.toString()));
    for (qsizetype column = 2; column < 7; ++column) {
        if (!fields[column].isEmpty())
            return Texts::tr("a line of rows lost has %1 in field %2, which it leaves empty")
                .arg(quotedForMessage(fields[column]))
                .arg(column + 1);
    }
    row.showing = LoggedStep::Showing::Lost;
    row.lostRows = *rows;
    return {};
}

// One row, or the reason it is none.
QString readRow(const QStringList& fields, LoggedStep& row) {
    if (fields.size() != FieldCount)
        return Texts::tr("%1 fields where the log has %2").arg(fields.size()).arg(FieldCount);
    const std::optional<qint64> step = readPlainNumber(fields[0], Largest);
    if (!step || *step < 1 || *step > std::numeric_limits<int>::max())
        return Texts::tr("the step %1 is no whole number from 1").arg(quotedForMessage(fields[0]));
    row.shown.step = static_cast<int>(*step);
    row.shown.screen = fields[1];
    const QString lostPrefix = QLatin1StringView(LostRowsWord) + u' ';
    if (fields[7].startsWith(lostPrefix))
        return readLostRows(fields, QStringView(fields[7]).sliced(lostPrefix.size()), row);
    const std::optional<std::int32_t> first = colorValue(fields[2]);
    if (!first)
        return Texts::tr("the first color %1 is no #rrggbb").arg(quotedForMessage(fields[2]));
    row.shown.firstColor = *first;
    if (!fields[3].isEmpty()) {
        row.shown.secondColor = colorValue(fields[3]);
        if (!row.shown.secondColor)
            return Texts::tr("the second color %1 is neither empty nor #rrggbb")
                .arg(quotedForMessage(fields[3]));
    }
    for (const int column : {4, 5}) {
        if (fields[column].isEmpty())
            continue;
        const std::optional<qint64> counter = readPlainNumber(fields[column], Largest);
        if (!counter)
            return Texts::tr("the refresh counter %1 is neither empty nor a whole number")
                .arg(quotedForMessage(fields[column]));
        (column == 4 ? row.shown.targetMsc : row.shown.shownMsc) = std::uint64_t(*counter);
    }
    const bool unreported = fields[7] == u"missed";
    // A step still on its way at the close has no time at all.
    if (!(unreported && fields[6].isEmpty())) {
        const std::optional<qint64> shownUs = readPlainNumber(fields[6], Largest);
        if (!shownUs)
            return Texts::tr("the time %1 is no whole number of microseconds")
                .arg(quotedForMessage(fields[6]));
        row.shown.shownUs = *shownUs;
    }
    if (fields[7] == u"skipped") {
        row.showing = LoggedStep::Showing::Skipped;
        row.shown.skipped = true;
    } else if (unreported) {
        row.showing = LoggedStep::Showing::Unreported;
        row.shown.unconfirmed = true;
    } else if (const std::optional<qint64> missed = readPlainNumber(fields[7], Largest)) {
        row.shown.missed = *missed;
    } else {
        return Texts::tr("missed is %1, not a count of refreshes, skipped or missed")
            .arg(quotedForMessage(fields[7]));
    }
    return {};
}

} // namespace

FrameLogReading readFrameLog(QByteArrayView bytes) {
    FrameLogReading reading;
    const QString text = QString::fromUtf8(bytes);
    qsizetype line = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView content = QStringView(text).mid(start, end - start);
        if (content.endsWith(u'\r'))
            content.chop(1);
        start = end + 1;
        ++line;
        const auto refuse = [&](const QString& problem) {
            reading.steps.clear();
            reading.badLine = line;
            reading.problem = problem;
            return reading;
        };
        if (line == 1) {
            if (content != QLatin1StringView(FrameLogHeader))
                return refuse(Texts::tr("not the header of a step log: %1")
                                  .arg(quotedForMessage(content.toString())));
            continue;
        }
        if (content.isEmpty() && start >= text.size())
            break;
        const std::optional<QStringList> fields = csvFields(content);
        if (!fields)
            return refuse(Texts::tr("a quote is not closed or stands inside a field"));
        LoggedStep row;
        if (const QString problem = readRow(*fields, row); !problem.isEmpty())
            return refuse(problem);
        reading.steps.push_back(std::move(row));
    }
    if (line == 0) {
        reading.badLine = 1;
        reading.problem = Texts::tr("the file is empty, not a step log");
    }
    return reading;
}
