#include "platform/inicodec.h"
#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

class IniCodecTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void valuesCrossWithQtsReaderAndWriter_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "500";
        QTest::newRow("word") << "True";
        QTest::newRow("empty") << "";
        QTest::newRow("stored list")
            << "RGB(255, 0, 0)" + StoredSeparator + "RGB(0, 0, 255)" + StoredSeparator;
        QTest::newRow("quotes and backslashes") << R"(say "hi" \ there\)";
        QTest::newRow("control characters") << "a\x01\tb\nc\rd";
        QTest::newRow("NUL") << QString::fromUtf8("ab\0cd", 5);
        QTest::newRow("hex digit after an escape") << "\x01"
                                                      "abc123";
        QTest::newRow("beyond ASCII") << QString::fromUtf8("é € 😀 ж");
        QTest::newRow("leading at") << "@start";
        QTest::newRow("double at") << "@@x";
        QTest::newRow("looks like a variant") << "@String(x)";
        QTest::newRow("blanks around") << "  a  b  ";
        QTest::newRow("comment and section marks") << "a;b#c [x] =y";
        QTest::newRow("commas only") << ",,,";
        QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('7'));
    }
    void valuesCrossWithQtsReaderAndWriter() {
        QFETCH(QString, value);
        const QString ours = folder.filePath("ours.ini");
        const QString theirs = folder.filePath("theirs.ini");
        QFile::remove(ours);
        QFile::remove(theirs);
        {
            QSettings writer(ours, settingsFileFormat());
            writer.setValue("Chromaflick/Colors", value);
            writer.setValue("Chromaflick/Text1", "250");
        }
        QSettings qtReader(ours, QSettings::IniFormat);
        QCOMPARE(qtReader.status(), QSettings::NoError);
        QCOMPARE(qtReader.value("Chromaflick/Colors").toString(), value);
        QCOMPARE(qtReader.value("Chromaflick/Text1").toString(), QStringLiteral("250"));
        {
            QSettings qtWriter(theirs, QSettings::IniFormat);
            qtWriter.setValue("Chromaflick/Colors", value);
        }
        QFile file(theirs);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QSettings::SettingsMap read;
        QVERIFY(parseIniText(file.readAll(), read));
        QCOMPARE(read.value("Chromaflick/Colors").toString(), value);
    }

    void handEditedLines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<bool>("clean");
        QTest::newRow("unquoted") << QByteArray("[Chromaflick]\nText1 = 250 \n") << "250" << true;
        QTest::newRow("comments and blank lines")
            << QByteArray("; note\n\n# more\n[Chromaflick]\r\nText1=7\r\n") << "7" << true;
        QTest::newRow("missing ]") << QByteArray("[Chromaflick\nText1=9\n") << "9" << false;
        QTest::newRow("line without =")
            << QByteArray("[Chromaflick]\ngarbage\nText1=3\n") << "3" << false;
        QTest::newRow("later value wins")
            << QByteArray("[Chromaflick]\nText1=1\nText1=2\n") << "2" << true;
        QTest::newRow("other section") << QByteArray("[Other]\nText1=1\n") << "" << true;
    }
    void handEditedLines() {
        QFETCH(QByteArray, text);
        QFETCH(QString, text1);
        QFETCH(bool, clean);
        QSettings::SettingsMap read;
        QCOMPARE(parseIniText(text, read), clean);
        QCOMPARE(read.value("Chromaflick/Text1").toString(), text1);
    }

    // Long values are written from a kept text when unchanged: every change must still show.
    void longValuesWrittenAgainShowTheirChanges() {
        const QString first(100000, QLatin1Char('a'));
        QString second = first;
        second[50000] = QLatin1Char('"');
        const QString third = second;
        QString fourth = third;
        fourth[70000] = QChar(0x00e9);
        for (const QString& value : {first, first, second, third, fourth, first}) {
            QSettings::SettingsMap written{{QStringLiteral("Chromaflick/Colors"), value}};
            QSettings::SettingsMap read;
            QVERIFY(parseIniText(iniText(written), read));
            QCOMPARE(read.value(QStringLiteral("Chromaflick/Colors")).toString(), value);
        }
    }

    void garbageNeverBreaksTheReader() {
        QRandomGenerator random(7);
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes(random.bounded(1, 400), '\0');
            for (char& byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            QSettings::SettingsMap read;
            parseIniText(bytes, read);
            // Whatever values came out of it are written and read back unchanged.
            QSettings::SettingsMap values;
            for (const QVariant& value : read)
                values.insert(QStringLiteral("Chromaflick/K%1").arg(values.size()), value);
            values.insert("Chromaflick/Raw", QString::fromLatin1(bytes));
            QSettings::SettingsMap again;
            QVERIFY(parseIniText(iniText(values), again));
            QCOMPARE(again, values);
        }
    }
};

CHROMAFLICK_TEST_MAIN(IniCodecTest)
#include "tst_inicodec.moc"
