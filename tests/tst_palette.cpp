#include "core/colorentry.h"
#include "core/palettereader.h"
#include "core/palettewriter.h"
#include "coretest.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qsizetype FullList = 32767;

QByteArray utf16(QStringConverter::Encoding encoding, QStringView text) {
    return QStringEncoder(encoding)(text);
}

// "line: reason" for each described bad line, to compare in one go.
QStringList describe(const QList<BadPaletteLine>& lines) {
    QStringList described;
    for (const BadPaletteLine& bad : lines)
        described.append(QStringLiteral("%1: %2").arg(bad.line).arg(bad.reason));
    return described;
}

// Every 9973rd color value as entries, a spread over the whole range.
QStringList spreadOfEntries() {
    QStringList entries;
    for (int color = 0; color <= 0xFFFFFF; color += 9973) {
        const ColorComponents c = ColorToComponents(color);
        entries.append(FormatColorEntry(c.red, c.green, c.blue));
    }
    return entries;
}

QByteArray gimpPaletteOf(qsizetype count) {
    QByteArray bytes("GIMP Palette\nName: Many\nColumns: 16\n#\n");
    for (qsizetype i = 0; i < count; ++i)
        bytes += QByteArray::number(i % 256) + ' ' + QByteArray::number(i / 256 % 256) + " 7\n";
    return bytes;
}

} // namespace

class PaletteTest : public QObject {
    Q_OBJECT
private slots:
    void readsColors_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("entry texts") << QByteArray("RGB(255, 127, 0)\nRGB(0,0,0)\n")
                                     << QStringList{"RGB(255, 127, 0)", "RGB(0, 0, 0)"};
        QTest::newRow("entry texts in lower case and with blanks")
            << QByteArray("rgb( 1 , 2 , 3 )\n") << QStringList{"RGB(1, 2, 3)"};
        QTest::newRow("hexadecimal in either case")
            << QByteArray("#FF8000\n#00ff7f\n#aBcDeF\n")
            << QStringList{"RGB(255, 128, 0)", "RGB(0, 255, 127)", "RGB(171, 205, 239)"};
        QTest::newRow("three numbers")
            << QByteArray("1 2 3\n  4\t5   6  \n") << QStringList{"RGB(1, 2, 3)", "RGB(4, 5, 6)"};
        QTest::newRow("comments and blank lines skipped")
            << QByteArray("# my colors\n\n   \n# ff0000 is red\n#FF0000\n\t#00FF00 \n")
            << QStringList{"RGB(255, 0, 0)", "RGB(0, 255, 0)"};
        QTest::newRow("short hex form")
            << QByteArray("#FFF\n#f80\n#09a\n")
            << QStringList{"RGB(255, 255, 255)", "RGB(255, 136, 0)", "RGB(0, 153, 170)"};
        QTest::newRow("a color followed by a comment")
            << QByteArray("#ffffff # white\n1 2 3 # dark\nRGB(4, 5, 6)\t#blue-ish\n#C0FFEE #\n")
            << QStringList{"RGB(255, 255, 255)", "RGB(1, 2, 3)", "RGB(4, 5, 6)",
                           "RGB(192, 255, 238)"};
        QTest::newRow("CR only") << QByteArray("# old Mac\r#FF0000\r1 2 3\r\rRGB(4, 5, 6)")
                                 << QStringList{"RGB(255, 0, 0)", "RGB(1, 2, 3)", "RGB(4, 5, 6)"};
        QTest::newRow("line ends mixed")
            << QByteArray("1 1 1\r\n2 2 2\r3 3 3\n\r\n4 4 4")
            << QStringList{"RGB(1, 1, 1)", "RGB(2, 2, 2)", "RGB(3, 3, 3)", "RGB(4, 4, 4)"};
        QTest::newRow("UTF-16 little endian with byte order mark")
            << utf16(QStringConverter::Utf16LE, u"\uFEFF#FFF\r\n1 2 3 # \u00e9t\u00e9")
            << QStringList{"RGB(255, 255, 255)", "RGB(1, 2, 3)"};
        QTest::newRow("UTF-16 big endian with byte order mark")
            << utf16(QStringConverter::Utf16BE, u"\uFEFFGIMP Palette\n9 8 7 \u00c9t\u00e9")
            << QStringList{"RGB(9, 8, 7)"};
        QTest::newRow("the whole range")
            << QByteArray("0 0 0\n255 255 255\n#000000\n#FFFFFF\nRGB(255, 255, 255)\n")
            << QStringList{"RGB(0, 0, 0)", "RGB(255, 255, 255)", "RGB(0, 0, 0)",
                           "RGB(255, 255, 255)", "RGB(255, 255, 255)"};
        QTest::newRow("leading zeros")
            << QByteArray("007 0255 00\n") << QStringList{"RGB(7, 255, 0)"};
        QTest::newRow("last line without a line break")
            << QByteArray("1 2 3\n4 5 6") << QStringList{"RGB(1, 2, 3)", "RGB(4, 5, 6)"};
        QTest::newRow("CRLF") << QByteArray("# colors\r\n#FF0000\r\n1 2 3\r\n\r\nRGB(4, 5, 6)\r\n")
                              << QStringList{"RGB(255, 0, 0)", "RGB(1, 2, 3)", "RGB(4, 5, 6)"};
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF#102030\n") << QStringList{"RGB(16, 32, 48)"};
        QTest::newRow("as GIMP writes it")
            << QByteArray("GIMP Palette\nName: Test\nColumns: 4\n#\n255   0   0\tRed\n"
                          "  0 128 255\tSky blue\n 17  34  51\n")
            << QStringList{"RGB(255, 0, 0)", "RGB(0, 128, 255)", "RGB(17, 34, 51)"};
        QTest::newRow("GIMP, old form without a name")
            << QByteArray("GIMP Palette\n1 2 3 One\n") << QStringList{"RGB(1, 2, 3)"};
        QTest::newRow("GIMP, a hash line is always a comment")
            << QByteArray("GIMP Palette\n#FF0000\n1 2 3\n") << QStringList{"RGB(1, 2, 3)"};
        QTest::newRow("GIMP, a name with numbers and hashes")
            << QByteArray("GIMP Palette\n10 20 30 4 5 6 #USER\n") << QStringList{"RGB(10, 20, 30)"};
        QTest::newRow("GIMP with CRLF and a byte order mark")
            << QByteArray(
                   "\xEF\xBB\xBFGIMP Palette\r\nName: x\r\nColumns: 0\r\n# c\r\n9 8 7\tA\r\n")
            << QStringList{"RGB(9, 8, 7)"};
        QTest::newRow("GIMP, header only")
            << QByteArray("GIMP Palette\nName: Empty\n") << QStringList{};
        QTest::newRow("nothing") << QByteArray() << QStringList{};
        QTest::newRow("byte order mark only") << QByteArray("\xEF\xBB\xBF") << QStringList{};
    }
    void readsColors() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        const PaletteContents contents = readPalette(bytes, FullList);
        QCOMPARE(describe(contents.badLines), QStringList{});
        QCOMPARE(contents.badLineCount, 0);
        QCOMPARE(contents.entries, entries);
        QCOMPARE(contents.leftOut, 0);
    }

    void reportsBadLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("badLines");
        const QString forms = QStringLiteral("not a color; write RGB(r, g, b), #RRGGBB or r g b");
        QTest::newRow("good lines around bad ones, numbered with comments and blanks")
            << QByteArray("# c\n1 2 3\nred\n\n4 5 6\n1 2\n")
            << QStringList{"RGB(1, 2, 3)", "RGB(4, 5, 6)"}
            << QStringList{"3: " + forms, "6: " + forms};
        const QString hexForms =
            QStringLiteral("is not a hex color; write #RRGGBB or #RGB, and a comment after a "
                           "blank and #");
        QTest::newRow("bad hex colors are told, not skipped")
            << QByteArray("#GGGGGG\n#BEEF\n#1234567\n#C0FFEE cup\n#C0FFEE\n#red\n")
            << QStringList{"RGB(192, 255, 238)"}
            << QStringList{"1: '#GGGGGG' " + hexForms, "2: '#BEEF' " + hexForms,
                           "3: '#1234567' " + hexForms, "4: '#C0FFEE cup' " + hexForms,
                           "6: '#red' " + hexForms};
        QTest::newRow("UTF-16 without byte order mark")
            << utf16(QStringConverter::Utf16LE, u"#FFF\n") << QStringList{}
            << QStringList{
                   "1: the file is UTF-16 text without a byte order mark; save it as UTF-8"};
        QTest::newRow("component above 255")
            << QByteArray("256 0 0\nRGB(0, 300, 0)\n") << QStringList{}
            << QStringList{"1: '256' is more than 255", "2: '300' is more than 255"};
        QTest::newRow("huge component")
            << QByteArray("0 0 99999999999999999999\n") << QStringList{}
            << QStringList{"1: '99999999999999999999' is more than 255"};
        QTest::newRow("negative component") << QByteArray("-1 0 0\n") << QStringList{}
                                            << QStringList{"1: '-1' is not a number from 0 to 255"};
        QTest::newRow("fraction") << QByteArray("RGB(1.5, 0, 0)\n") << QStringList{}
                                  << QStringList{"1: '1.5' is not a number from 0 to 255"};
        QTest::newRow("entry with two components")
            << QByteArray("RGB(1, 2)\n") << QStringList{}
            << QStringList{"1: RGB( ) needs three numbers: red, green and blue"};
        QTest::newRow("entry with four components")
            << QByteArray("RGB(1, 2, 3, 4)\n") << QStringList{}
            << QStringList{"1: RGB( ) needs three numbers: red, green and blue"};
        QTest::newRow("empty component") << QByteArray("RGB(1, , 3)\n") << QStringList{}
                                         << QStringList{"1: '' is not a number from 0 to 255"};
        QTest::newRow("four numbers")
            << QByteArray("1 2 3 4\n") << QStringList{} << QStringList{"1: " + forms};
        QTest::newRow("a word among numbers")
            << QByteArray("1 x 3\n") << QStringList{}
            << QStringList{"1: 'x' is not a number from 0 to 255"};
        QTest::newRow("numbers with commas only")
            << QByteArray("1, 2, 3\n") << QStringList{}
            << QStringList{"1: '1,' is not a number from 0 to 255"};
        QTest::newRow("line numbers with CRLF")
            << QByteArray("1 2 3\r\nbad\r\n\r\nworse\r\n") << QStringList{"RGB(1, 2, 3)"}
            << QStringList{"2: " + forms, "4: " + forms};
        QTest::newRow("line numbers after a byte order mark")
            << QByteArray("\xEF\xBB\xBF"
                          "bad\n")
            << QStringList{} << QStringList{"1: " + forms};
        QTest::newRow("GIMP, missing component")
            << QByteArray("GIMP Palette\nName: x\n255 0\n1 2 3\n") << QStringList{"RGB(1, 2, 3)"}
            << QStringList{"3: a color line needs three numbers: red, green and blue"};
        QTest::newRow("GIMP, out of range and words")
            << QByteArray("GIMP Palette\n256 0 0 Too red\nred green blue\n") << QStringList{}
            << QStringList{"2: '256' is more than 255", "3: 'red' is not a number from 0 to 255"};
        QTest::newRow("GIMP, entry texts are not its form")
            << QByteArray("GIMP Palette\nRGB(1, 2, 3)\n") << QStringList{}
            << QStringList{"2: 'RGB(1,' is not a number from 0 to 255"};
        QTest::newRow("GIMP, a name line among the colors")
            << QByteArray("GIMP Palette\n1 2 3\nName: late\n") << QStringList{"RGB(1, 2, 3)"}
            << QStringList{"3: a color line needs three numbers: red, green and blue"};
        QTest::newRow("the header anywhere but the first line is no header")
            << QByteArray("1 2 3\nGIMP Palette\n") << QStringList{"RGB(1, 2, 3)"}
            << QStringList{"2: " + forms};
        QTest::newRow("a long bad piece is shortened")
            << QByteArray("1 2 " + QByteArray(100, 'x') + "\n") << QStringList{}
            << QStringList{"1: '" + QString(40, u'x') + QString::fromUtf8("…") +
                           "' is not a number from 0 to 255"};
    }
    void reportsBadLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, badLines);
        const PaletteContents contents = readPalette(bytes, FullList);
        QCOMPARE(contents.entries, entries);
        QCOMPARE(describe(contents.badLines), badLines);
        QCOMPARE(contents.badLineCount, badLines.size());
    }

    void keepsWithinTheRoom_data() {
        QTest::addColumn<qsizetype>("room");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<qsizetype>("leftOut");
        const QStringList all{"RGB(1, 1, 1)", "RGB(2, 2, 2)", "RGB(3, 3, 3)"};
        QTest::newRow("room for all") << qsizetype(3) << all << qsizetype(0);
        QTest::newRow("room for more") << qsizetype(10) << all << qsizetype(0);
        QTest::newRow("room for one") << qsizetype(1) << all.mid(0, 1) << qsizetype(2);
        QTest::newRow("no room") << qsizetype(0) << QStringList{} << qsizetype(3);
        QTest::newRow("negative room") << qsizetype(-5) << QStringList{} << qsizetype(3);
    }
    void keepsWithinTheRoom() {
        QFETCH(qsizetype, room);
        QFETCH(QStringList, entries);
        QFETCH(qsizetype, leftOut);
        const PaletteContents contents = readPalette("1 1 1\nbad\n2 2 2\n3 3 3\nworse\n", room);
        QCOMPARE(contents.entries, entries);
        QCOMPARE(contents.leftOut, leftOut);
        // Lines past the room are still checked.
        QCOMPARE(contents.badLineCount, 2);
    }

    void describesTheFirstHundredBadLines() {
        QByteArray bytes;
        for (int i = 0; i < 150; ++i)
            bytes += "bad\n";
        bytes += "1 2 3\n";
        const PaletteContents contents = readPalette(bytes, FullList);
        QCOMPARE(contents.badLineCount, 150);
        QCOMPARE(contents.badLines.size(), MostBadLinesDescribed);
        QCOMPARE(contents.badLines.constFirst().line, 1);
        QCOMPARE(contents.badLines.constLast().line, MostBadLinesDescribed);
        QCOMPARE(contents.entries, QStringList{"RGB(1, 2, 3)"});
    }

    void readsAFullList_data() {
        QTest::addColumn<qsizetype>("colors");
        QTest::addColumn<qsizetype>("leftOut");
        QTest::newRow("as many as the list holds") << FullList << qsizetype(0);
        QTest::newRow("one more") << FullList + 1 << qsizetype(1);
    }
    void readsAFullList() {
        QFETCH(qsizetype, colors);
        QFETCH(qsizetype, leftOut);
        const PaletteContents contents = readPalette(gimpPaletteOf(colors), FullList);
        QCOMPARE(contents.entries.size(), FullList);
        QCOMPARE(contents.leftOut, leftOut);
        QCOMPARE(contents.badLineCount, 0);
        QCOMPARE(contents.entries.constFirst(), QStringLiteral("RGB(0, 0, 7)"));
        QCOMPARE(contents.entries.constLast(), QStringLiteral("RGB(254, 127, 7)"));
    }

    void writesGimpPalettes() {
        const PaletteText text = writePalette({"RGB(255, 0, 0)", "RGB(0, 128, 7)"},
                                              PaletteFormat::Gimp, QStringLiteral("My colors"));
        QCOMPARE(text.bytes, QByteArray("GIMP Palette\nName: My colors\nColumns: 0\n#\n"
                                        "255   0   0\n  0 128   7\n"));
        QCOMPARE(text.skipped, 0);
    }

    void writesPlainText() {
        const PaletteText text = writePalette({"RGB(255, 0, 0)", "RGB(0, 128, 7)"},
                                              PaletteFormat::PlainText, QStringLiteral("unused"));
        QCOMPARE(text.bytes, QByteArray("RGB(255, 0, 0)\nRGB(0, 128, 7)\n"));
        QCOMPARE(text.skipped, 0);
    }

    void writesEntriesAsTheFlashReadsThem_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("GIMP") << int(PaletteFormat::Gimp)
                              << QByteArray("255   0   1\n  1   2   3\n");
        QTest::newRow("plain text")
            << int(PaletteFormat::PlainText) << QByteArray("RGB(255, 0, 1)\nRGB(1, 2, 3)\n");
    }
    void writesEntriesAsTheFlashReadsThem() {
        QFETCH(int, format);
        QFETCH(QByteArray, body);
        // Out-of-range components clamp, as in the flash; entries that are no color are left out.
        const PaletteText text = writePalette({"RGB(300, -4, 1)", "nonsense", "1,2,3", "RGB(1, 2)"},
                                              PaletteFormat(format), QStringLiteral("x"));
        QVERIFY2(text.bytes.endsWith(body), text.bytes.constData());
        QCOMPARE(text.skipped, 2);
    }

    void gimpNameStaysOnItsLine() {
        const PaletteText text =
            writePalette({"RGB(1, 2, 3)"}, PaletteFormat::Gimp, QStringLiteral(" two\nlines\r"));
        QCOMPARE(text.bytes,
                 QByteArray("GIMP Palette\nName: two lines\nColumns: 0\n#\n  1   2   3\n"));
    }

    void readsBackWhatItWrites_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("GIMP") << int(PaletteFormat::Gimp);
        QTest::newRow("plain text") << int(PaletteFormat::PlainText);
    }
    void readsBackWhatItWrites() {
        QFETCH(int, format);
        const QStringList entries = spreadOfEntries() + QStringList{"RGB(0, 0, 0)", "RGB(0, 0, 0)"};
        const PaletteText text =
            writePalette(entries, PaletteFormat(format), QStringLiteral("all"));
        const PaletteContents contents = readPalette(text.bytes, FullList);
        QCOMPARE(contents.badLineCount, 0);
        QCOMPARE(contents.entries, entries);
    }

    void choosesTheFormatBySuffix_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::newRow("gpl") << "/tmp/a.gpl" << int(PaletteFormat::Gimp);
        QTest::newRow("GPL") << "/tmp/a.GPL" << int(PaletteFormat::Gimp);
        QTest::newRow("txt") << "/tmp/a.txt" << int(PaletteFormat::PlainText);
        QTest::newRow("TXT") << "/tmp/a.Txt" << int(PaletteFormat::PlainText);
        QTest::newRow("no suffix") << "/tmp/a" << int(PaletteFormat::Gimp);
        QTest::newRow("other suffix") << "/tmp/a.pal" << int(PaletteFormat::Gimp);
        QTest::newRow("txt in the folder only") << "/tmp/x.txt/a" << int(PaletteFormat::Gimp);
        QTest::newRow("txt before the last suffix") << "/tmp/a.txt.gpl" << int(PaletteFormat::Gimp);
    }
    void choosesTheFormatBySuffix() {
        QFETCH(QString, path);
        QFETCH(int, format);
        QCOMPARE(int(paletteFormatForPath(path)), format);
    }
};

CHROMAFLICK_CORE_TEST_MAIN(PaletteTest)
#include "tst_palette.moc"
