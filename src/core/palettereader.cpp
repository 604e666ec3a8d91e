#include "core/palettereader.h"

#include "core/colorentry.h"
#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <optional>

namespace {

using Components = std::array<int, 3>;

// A line's color, or why it has none.
struct LineReading {
    std::optional<Components> color;
    QString problem;
};

// The context translators see for the texts of this file.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteReader)
};

// Up to most blank-separated words; whatever follows them, trimmed, as one more.
QList<QStringView> wordsOf(QStringView line, qsizetype most) {
    QList<QStringView> words;
    qsizetype at = 0;
    while (at < line.size()) {
        while (at < line.size() && line[at].isSpace())
            ++at;
        if (at == line.size())
            break;
        if (words.size() == most) {
            words.append(line.mid(at).trimmed());
            break;
        }
        const qsizetype start = at;
        while (at < line.size() && !line[at].isSpace())
            ++at;
        words.append(line.mid(start, at - start));
    }
    return words;
}

// A component in plain decimal digits, 0 to 255.
std::optional<int> readComponent(QStringView text, QString& problem) {
    const std::optional<qint64> value = readPlainNumber(text, 256);
    if (!value) {
        problem =
            Texts::tr("%1 is not a number from 0 to 255").arg(quotedForMessage(text.toString()));
        return std::nullopt;
    }
    if (*value > 255) {
        problem = Texts::tr("%1 is more than 255").arg(quotedForMessage(text.toString()));
        return std::nullopt;
    }
    return int(*value);
}

LineReading readComponents(const QList<QStringView>& pieces) {
    LineReading reading;
    Components components{};
    for (std::size_t i = 0; i < components.size(); ++i) {
        const std::optional<int> value = readComponent(pieces[qsizetype(i)], reading.problem);
        if (!value)
            return reading;
        components[i] = *value;
    }
    reading.color = components;
    return reading;
}

// "r g b" and an optional name, as GIMP writes it.
LineReading readGimpColor(QStringView line) {
    const QList<QStringView> words = wordsOf(line, 3);
    if (words.size() < 3)
        return {std::nullopt, Texts::tr("a color line needs three numbers: red, green and blue")};
    return readComponents(words);
}

bool isHexColor(QStringView line) {
    return line.size() == 7 && line[0] == u'#' &&
           std::all_of(line.begin() + 1, line.end(), isHexDigit);
}

LineReading readPlainColor(QStringView trimmed) {
    if (isHexColor(trimmed)) {
        const int value = trimmed.mid(1).toInt(nullptr, 16);
        return {Components{value >> 16, (value >> 8) & 0xFF, value & 0xFF}, QString()};
    }
    const QLatin1StringView prefix("RGB(");
    if (trimmed.startsWith(prefix, Qt::CaseInsensitive) && trimmed.endsWith(u')')) {
        const QStringView inside = trimmed.mid(prefix.size(), trimmed.size() - prefix.size() - 1);
        QList<QStringView> pieces = inside.split(u',');
        if (pieces.size() != 3)
            return {std::nullopt, Texts::tr("RGB( ) needs three numbers: red, green and blue")};
        for (QStringView& piece : pieces)
            piece = piece.trimmed();
        return readComponents(pieces);
    }
    const QList<QStringView> words = wordsOf(trimmed, 3);
    if (words.size() == 3)
        return readComponents(words);
    return {std::nullopt, Texts::tr("not a color; write RGB(r, g, b), #RRGGBB or r g b")};
}

class PaletteReader {
public:
    explicit PaletteReader(qsizetype room) : room(std::max<qsizetype>(room, 0)) {}

    void readLine(qsizetype number, QStringView line) {
        const QStringView trimmed = line.trimmed();
        if (number == 1 && trimmed == QLatin1StringView("GIMP Palette")) {
            gimp = true;
            inGimpHeader = true;
            return;
        }
        if (trimmed.isEmpty())
            return;
        if (gimp) {
            if (trimmed.startsWith(u'#'))
                return;
            if (inGimpHeader && (trimmed.startsWith(QLatin1StringView("Name:")) ||
                                 trimmed.startsWith(QLatin1StringView("Columns:"))))
                return;
            inGimpHeader = false;
            take(number, readGimpColor(trimmed));
            return;
        }
        if (trimmed.startsWith(u'#') && !isHexColor(trimmed))
            return;
        take(number, readPlainColor(trimmed));
    }

    PaletteContents contents;

private:
    void take(qsizetype number, const LineReading& reading) {
        if (reading.color) {
            const Components& c = *reading.color;
            if (contents.entries.size() < room)
                contents.entries.append(FormatColorEntry(c[0], c[1], c[2]));
            else
                ++contents.leftOut;
            return;
        }
        ++contents.badLineCount;
        if (contents.badLines.size() < MostBadLinesDescribed)
            contents.badLines.append({number, reading.problem});
    }

    qsizetype room;
    bool gimp = false;
    bool inGimpHeader = false;
};

} // namespace

PaletteContents readPalette(const QByteArray& bytes, qsizetype room) {
    QByteArrayView rest(bytes);
    const QByteArrayView byteOrderMark("\xEF\xBB\xBF");
    if (rest.startsWith(byteOrderMark))
        rest = rest.sliced(byteOrderMark.size());

    PaletteReader reader(room);
    qsizetype number = 0;
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        // A CR before the LF goes with the other blanks around the line.
        reader.readLine(++number, QString::fromUtf8(line));
    }
    return reader.contents;
}
