#include "platform/inicodec.h"

#include "core/plainnumber.h"

#include <QFile>
#include <QIODevice>
#include <QSet>
#include <QStringList>
#include <algorithm>

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u <= '9')
        return u - '0';
    return (u | 0x20) - 'a' + 10;
}

// Qt's variant prefixes: "@@" stands for a leading "@", "@String(...)" for a string with
// characters that may not stand in a line.
QVariant fromStoredString(const QString& text) {
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(QLatin1Char(')')))
        return text.mid(8, text.size() - 9);
    if (text == QLatin1String("@Invalid()"))
        return {};
    return text;
}

// One value's text after the "=": quoted parts unescaped, unquoted parts trimmed. Unquoted
// commas separate the items of a list, as in Qt's reader.
QVariant unescapedValue(QStringView raw) {
    QStringList items;
    QString current;
    bool quoted = false;
    bool anyComma = false;
    qsizetype i = 0;
    const qsizetype size = raw.size();
    QString pendingBlank;
    // Blanks inside an unquoted value stay once something follows them.
    const auto keepBlanks = [&] {
        current += pendingBlank;
        pendingBlank.clear();
    };
    // Where the next quote and backslash are, found with a fast search and looked for again only
    // once passed, so that a long value is read in one sweep.
    qsizetype nextQuote = -1;
    qsizetype nextBackslash = -1;
    const auto next = [&](QChar wanted, qsizetype& known) {
        if (known < i) {
            known = raw.indexOf(wanted, i);
            if (known < 0)
                known = size;
        }
        return known;
    };
    while (i < size) {
        const QChar c = raw[i];
        if (quoted && c != QLatin1Char('"') && c != QLatin1Char('\\')) {
            // Inside quotes everything up to the next quote or backslash stands as it is.
            const qsizetype end =
                std::min(next(QLatin1Char('"'), nextQuote), next(QLatin1Char('\\'), nextBackslash));
            keepBlanks();
            current += raw.mid(i, end - i);
            i = end;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            keepBlanks();
            ++i;
        } else if (c == QLatin1Char('\\') && i + 1 < size) {
            keepBlanks();
            const QChar e = raw[i + 1];
            i += 2;
            static const QString letters = QStringLiteral("abfnrtv");
            static const QString controls = QStringLiteral("\a\b\f\n\r\t\v");
            if (const qsizetype letter = letters.indexOf(e); letter >= 0) {
                current += controls[letter];
                continue;
            }
            char16_t value = 0;
            if (e == QLatin1Char('x')) {
                while (i < size && isHexDigit(raw[i]))
                    value = static_cast<char16_t>(value * 16 + hexValue(raw[i++]));
                current += QChar(value);
            } else if (e >= QLatin1Char('0') && e <= QLatin1Char('7')) {
                value = static_cast<char16_t>(e.unicode() - '0');
                while (i < size && raw[i] >= QLatin1Char('0') && raw[i] <= QLatin1Char('7'))
                    value = static_cast<char16_t>(value * 8 + (raw[i++].unicode() - '0'));
                current += QChar(value);
            } else {
                current += e;
            }
        } else if (!quoted && c == QLatin1Char(',')) {
            items << current;
            current.clear();
            pendingBlank.clear();
            anyComma = true;
            ++i;
            while (i < size && raw[i].isSpace())
                ++i;
        } else if (!quoted && c.isSpace()) {
            // Blanks between words of an unquoted value stay; trailing ones go.
            if (!current.isEmpty())
                pendingBlank += c;
            ++i;
        } else {
            keepBlanks();
            current += c;
            ++i;
        }
    }
    if (!anyComma)
        return fromStoredString(current);
    items << current;
    QStringList strings;
    for (const QString& item : items)
        strings << fromStoredString(item).toString();
    return strings;
}

void appendEscaped(QString& out, const QString& value) {
    out += QLatin1Char('"');
    bool escapeHexDigit = false;
    // Characters that stand as they are go in as whole runs rather than one by one.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const char16_t u = c.unicode();
        const bool plain = u >= 0x20 && u < 0x7F && u != '"' && u != '\\';
        if (plain && !(escapeHexDigit && isHexDigit(c))) {
            escapeHexDigit = false;
            continue;
        }
        out += QStringView(value).sliced(runStart, i - runStart);
        runStart = i + 1;
        if (plain) {
            out += QStringLiteral("\\x%1").arg(u, 4, 16, QLatin1Char('0'));
        } else if (u == '"' || u == '\\') {
            escapeHexDigit = false;
            out += QLatin1Char('\\');
            out += c;
        } else {
            // A hex escape runs on while hex digits follow, so a digit after one is escaped too.
            out += QStringLiteral("\\x%1").arg(u, 4, 16, QLatin1Char('0'));
            escapeHexDigit = true;
        }
    }
    out += QStringView(value).sliced(runStart);
    out += QLatin1Char('"');
}

// A value as it stands in the file, quoted and escaped, in UTF-8. The last long value is kept:
// the store writes every value at every change, and an option change must not escape a list of
// many megabytes again. The text is shared, so the same data means the same value.
QByteArray escapedValue(const QString& value) {
    constexpr qsizetype worthKeeping = 64 * 1024;
    static QString keptValue;
    static QByteArray keptText;
    if (value.size() >= worthKeeping && value.size() == keptValue.size() &&
        value.constData() == keptValue.constData())
        return keptText;
    QString escaped;
    escaped.reserve(value.size() + 2);
    appendEscaped(escaped, value);
    QByteArray text = escaped.toUtf8();
    if (value.size() >= worthKeeping) {
        keptValue = value;
        keptText = text;
    }
    return text;
}

QSet<QString>& damagedFiles() {
    static QSet<QString> files;
    return files;
}

// What can be read of a damaged file is kept; Qt would drop all of it on a false.
bool readFile(QIODevice& device, QSettings::SettingsMap& settings) {
    if (!parseIniText(device.readAll(), settings)) {
        if (const auto* file = qobject_cast<const QFile*>(&device))
            damagedFiles().insert(file->fileName());
    }
    return true;
}

bool writeFile(QIODevice& device, const QSettings::SettingsMap& settings) {
    const QByteArray text = iniText(settings);
    return device.write(text) == text.size();
}

} // namespace

bool takeDamageNotice(const QString& fileName) {
    return damagedFiles().remove(fileName);
}

QSettings::Format settingsFileFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readFile, writeFile);
    return format;
}

bool parseIniText(const QByteArray& text, QSettings::SettingsMap& settings) {
    const QString content = QString::fromUtf8(text);
    bool clean = true;
    QString section;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = content.size();
        QStringView line = QStringView(content).mid(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                clean = false;
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toString();
            if (section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            clean = false;
            continue;
        }
        const QString key = line.left(equals).trimmed().toString();
        const QString path = section.isEmpty() ? key : section + QLatin1Char('/') + key;
        const QVariant value = unescapedValue(line.mid(equals + 1).trimmed());
        if (value.isValid())
            settings.insert(path, value);
        else
            settings.remove(path);
    }
    return clean;
}

QByteArray iniText(const QSettings::SettingsMap& settings) {
    QByteArray out;
    qsizetype length = 0;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        length += it.key().size() + it.value().toString().size() + 8;
    out.reserve(length + 64);
    QString section = QStringLiteral("\x01");
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString keySection = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        if (keySection != section) {
            if (!out.isEmpty())
                out += '\n';
            section = keySection;
            out += '[' + section.toUtf8() + "]\n";
        }
        out += it.key().mid(slash + 1).toUtf8() + '=';
        // A hand-edited value with bare commas was read as a list; it is written back as one.
        const QStringList items = it.value().typeId() == QMetaType::QStringList
                                      ? it.value().toStringList()
                                      : QStringList{it.value().toString()};
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i > 0)
                out += ", ";
            if (items[i].startsWith(QLatin1Char('@')))
                out += escapedValue(QLatin1Char('@') + items[i]);
            else
                out += escapedValue(items[i]);
        }
        out += '\n';
    }
    return out;
}
