#include "core/palettereader.h"

#include "core/colorentry.h"
#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <QStringDecoder>
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

// "#RRGGBB" or its short form "#RGB", as web colors are written.
std::optional<Components> readHexColor(QStringView word) {
    const QStringView digits = word.mid(1);
    if (!word.startsWith(u'#') || (digits.size() != 3 && digits.size() != 6) ||
        !std::all_of(digits.begin(), digits.end(), isHexDigit))
        return std::nullopt;
    const int value = digits.toInt(nullptr, 16);
    if (digits.size() == 3) {
        // Each digit stands for itself twice: #F80 is #FF8800.
        return Components{((value >> 8) & 0xF) * 17, ((value >> 4) & 0xF) * 17, (value & 0xF) * 17};
    }
    return Components{value >> 16, (value >> 8) & 0xFF, value & 0xFF};
}

// A hash that starts the line and is followed by a blank, or one after a blank, starts a
// comment; a hash directly before digits is a color.
QStringView withoutComment(QStringView trimmed) {
    if (trimmed.startsWith(u'#') && (trimmed.size() == 1 || trimmed[1].isSpace()))
        return {};
    for (qsizetype at = 1; at < trimmed.size(); ++at) {
        if (trimmed[at] == u'#' && trimmed[at - 1].isSpace())
            return trimmed.first(at).trimmed();
    }
    return trimmed;
}

LineReading readPlainColor(QStringView trimmed) {
    if (trimmed.startsWith(u'#')) {
        if (const std::optional<Components> color = readHexColor(trimmed))
            return {color, QString()};
        return {std::nullopt,
                Texts::tr("%1 is not a hex color; write #RRGGBB or #RGB, and a comment after "
                          "a blank and #")
                    .arg(quotedForMessage(trimmed.toString()))};
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
        const QStringView color = withoutComment(trimmed);
        if (!color.isEmpty())
            take(number, readPlainColor(color));
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

namespace {

// The file's text, from UTF-8 or from UTF-16 with its byte order mark. Empty, with the reason,
// for UTF-16 without one, whose every other byte is zero and would read as garbage.
QString decodedText(const QByteArray& bytes, QString& problem) {
    const QByteArrayView view(bytes);
    const auto utf16 = [&](QStringConverter::Encoding encoding) {
        return QString(QStringDecoder(encoding)(view.sliced(2)));
    };
    if (view.startsWith("\xFF\xFE"))
        return utf16(QStringConverter::Utf16LE);
    if (view.startsWith("\xFE\xFF"))
        return utf16(QStringConverter::Utf16BE);
    if (view.size() >= 2 && (view[0] == '\0') != (view[1] == '\0')) {
        problem = Texts::tr("the file is UTF-16 text without a byte order mark; save it as UTF-8");
        return {};
    }
    const QByteArrayView byteOrderMark("\xEF\xBB\xBF");
    return QString::fromUtf8(view.startsWith(byteOrderMark) ? view.sliced(3) : view);
}

} // namespace

PaletteContents readPalette(const QByteArray& bytes, qsizetype room) {
    PaletteReader reader(room);
    QString problem;
    const QString text = decodedText(bytes, problem);
    if (!problem.isEmpty()) {
        reader.contents.badLineCount = 1;
        reader.contents.badLines.append({1, problem});
        return reader.contents;
    }
    QStringView rest(text);
    qsizetype number = 0;
    while (!rest.isEmpty()) {
        // LF, CR LF and CR alone each end a line, whatever system wrote the file.
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u'\n' && rest[end] != u'\r')
            ++end;
        reader.readLine(++number, rest.first(end));
        if (end < rest.size() && rest[end] == u'\r' && end + 1 < rest.size() &&
            rest[end + 1] == u'\n')
            ++end;
        rest = end < rest.size() ? rest.sliced(end + 1) : QStringView();
    }
    return reader.contents;
}
