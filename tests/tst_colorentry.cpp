#include "core/colorentry.h"
#include "core/failure.h"
#include "core/storedlist.h"
#include "coretest.h"

#include <QtTest>

class ColorEntryTest : public QObject {
    Q_OBJECT
private slots:
    void splitsColorValues_data() {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("black") << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 16777215 << 255 << 255 << 255;
        QTest::newRow("picker value 16744448") << 16744448 << 0 << 128 << 255;
        QTest::newRow("pure blue") << 0xFF0000 << 0 << 0 << 255;
        QTest::newRow("orange") << 32767 << 255 << 127 << 0;
        QTest::newRow("one of each") << 0x030201 << 1 << 2 << 3;
    }
    void splitsColorValues() {
        QFETCH(int, color);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const ColorComponents components = ColorToComponents(color);
        QCOMPARE(components.red, red);
        QCOMPARE(components.green, green);
        QCOMPARE(components.blue, blue);
    }

    void formatsEntries() {
        QCOMPARE(FormatColorEntry(255, 127, 0), QStringLiteral("RGB(255, 127, 0)"));
        QCOMPARE(FormatColorEntry(0, 0, 0), QStringLiteral("RGB(0, 0, 0)"));
        QCOMPARE(FormatColorEntry(0, 128, 255), QStringLiteral("RGB(0, 128, 255)"));
    }

    void parsesEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::newRow("orange") << "RGB(255, 127, 0)" << 32767;
        QTest::newRow("no blanks") << "RGB(255,127,0)" << 32767;
        QTest::newRow("no markers") << "1, 2, 3" << 0x030201;
        QTest::newRow("markers anywhere") << "1, RGB(2), 3)" << 0x030201;
        QTest::newRow("above 255 counts as 255") << "RGB(300, 0, 0)" << 255;
        QTest::newRow("below 0 counts as 0") << "RGB(-5, 1, 0)" << 256;
        QTest::newRow("extra pieces ignored") << "RGB(1, 2, 3, 4)" << 0x030201;
        QTest::newRow("halves to even") << "RGB(0.5, 1.5, 2.5)" << 0x020200;
        QTest::newRow("the default blue") << "RGB(0, 0, 255)" << 0xFF0000;
        QTest::newRow("violet") << "RGB(143, 0, 255)" << 0xFF008F;
        QTest::newRow("plus signs and leading zeros") << "RGB(+1, 002, +003)" << 0x030201;
        QTest::newRow("markers inside a number") << "RGB(1RGB(2, 3), 4)" << 0x04030C;
        QTest::newRow("tabs and no-break spaces") << "RGB(\t1,\u00A02 ,3\t)" << 0x030201;
        QTest::newRow("long fractions")
            << "RGB(127.49999999999999, 0.5000000000000001, 254.5)" << 0xFE017F;
        QTest::newRow("blanks up to the longest entry")
            << "RGB(255," + QString(LongestColorEntry - 13, ' ') + "0, 0)" << 255;
    }
    void parsesEntries() {
        QFETCH(QString, text);
        QFETCH(int, color);
        QCOMPARE(ParseColorEntry(text), color);
    }

    void refusesEntries_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        QTest::newRow("two pieces") << "RGB(1, 2)"
                                    << "'RGB(1, 2)' is not a color: it needs three components, "
                                       "red, green and blue";
        QTest::newRow("lower-case marker") << "rgb(1, 2, 3)"
                                           << "'rgb(1' is not a number";
        QTest::newRow("blue is converted first") << "RGB(x, y, z)"
                                                 << "' z' is not a number";
        QTest::newRow("green before red") << "RGB(x, y, 1)"
                                          << "' y' is not a number";
        QTest::newRow("empty piece") << "RGB(1, , 3)"
                                     << "' ' is not a number";
        QTest::newRow("out of 16 bits") << "RGB(40000, 0, 0)"
                                        << "40000 is out of range (-32768 to 32767)";
        QTest::newRow("a marker made by removing ')'") << "RG)B(1, 2, 3"
                                                       << "'RGB(1' is not a number";
        QTest::newRow("blue checked before a fourth piece") << "RGB(1, 2, x, 4)"
                                                            << "' x' is not a number";
        QTest::newRow("one blank past the longest entry")
            << "RGB(255," + QString(LongestColorEntry - 12, ' ') + "0, 0)"
            << "'RGB(255,                                …' is not a color: it is longer than "
               "1000 characters";
        QTest::newRow("megabytes of digits")
            << "RGB(" + QString(5'000'000, '7') + ", 1, 2)"
            << "'RGB(" + QString(36, '7') + "…' is not a color: it is longer than 1000 characters";
        QTest::newRow("plain text") << "abc"
                                    << "'abc' is not a color: it needs three components, red, "
                                       "green and blue";
    }
    void refusesEntries() {
        QFETCH(QString, text);
        QFETCH(QString, description);
        try {
            ParseColorEntry(text);
            QFAIL("parsed");
        } catch (const Failure& failure) {
            QCOMPARE(QString::fromUtf8(failure.what()), description);
        }
    }

    void everyFormattedValueParsesBack() {
        for (int color = 0; color <= 16777215; color += 9973) {
            const ColorComponents c = ColorToComponents(color);
            QCOMPARE(ParseColorEntry(FormatColorEntry(c.red, c.green, c.blue)), color);
        }
    }

    void splitsStoredLists_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("entries");
        const QString& sep = StoredSeparator;
        QTest::newRow("two entries") << "RGB(255, 0, 0)" + sep + "RGB(0, 0, 255)" + sep
                                     << QStringList{"RGB(255, 0, 0)", "RGB(0, 0, 255)"};
        QTest::newRow("separators only") << sep + sep << QStringList{};
        QTest::newRow("no separator") << "abc" << QStringList{"abc"};
        QTest::newRow("leading and doubled")
            << sep + "a" + sep + sep + "b" << QStringList{"a", "b"};
        QTest::newRow("duplicates kept in order")
            << "x" + sep + "y" + sep + "x" + sep << QStringList{"x", "y", "x"};
        QTest::newRow("case-sensitive separator")
            << "a||myseparator123||b" << QStringList{"a||myseparator123||b"};
        QTest::newRow("pieces untrimmed") << " a " + sep << QStringList{" a "};
        QTest::newRow("bars before a separator")
            << "a|" + sep + "|b||c" + sep << QStringList{"a|", "|b||c"};
        QTest::newRow("separator starting on an entry's bars")
            << "a||" + sep.mid(2) + sep << QStringList{"a"};
    }
    void splitsStoredLists() {
        QFETCH(QString, stored);
        QFETCH(QStringList, entries);
        QCOMPARE(splitStoredList(stored), entries);
    }

    void joinsStoredLists() {
        QCOMPARE(joinStoredList({}), QString());
        QCOMPARE(joinStoredList({"RGB(0, 0, 0)"}), "RGB(0, 0, 0)" + StoredSeparator);
        QCOMPARE(joinStoredList({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}),
                 "RGB(255, 0, 0)" + StoredSeparator + "RGB(0, 0, 255)" + StoredSeparator);
    }

    void defaultListIsTheSevenRainbowColors() {
        QCOMPARE(
            DefaultColorList(),
            (QStringList{"RGB(255, 0, 0)", "RGB(255, 127, 0)", "RGB(255, 255, 0)", "RGB(0, 255, 0)",
                         "RGB(0, 0, 255)", "RGB(75, 0, 130)", "RGB(143, 0, 255)"}));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(ColorEntryTest)
#include "tst_colorentry.moc"
