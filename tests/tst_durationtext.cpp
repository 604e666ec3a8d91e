#include "core/durationtext.h"
#include "coretest.h"

#include <QtTest>

using namespace std::chrono_literals;

class DurationTextTest : public QObject {
    Q_OBJECT
private slots:
    void readsDurations_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("milliseconds");
        QTest::newRow("bare number is seconds") << "90" << qint64(90'000);
        QTest::newRow("seconds") << "90s" << qint64(90'000);
        QTest::newRow("minutes") << "30m" << qint64(1'800'000);
        QTest::newRow("hours") << "2h" << qint64(7'200'000);
        QTest::newRow("hours and minutes") << "1h30m" << qint64(5'400'000);
        QTest::newRow("all three") << "1h30m15s" << qint64(5'415'000);
        QTest::newRow("hours and seconds") << "1h5s" << qint64(3'605'000);
        QTest::newRow("minutes and seconds") << "2m3s" << qint64(123'000);
        QTest::newRow("a part may exceed its unit") << "90m90s" << qint64(5'490'000);
        QTest::newRow("leading zeros") << "007s" << qint64(7'000);
        QTest::newRow("a zero part beside others") << "0h1s" << qint64(1'000);
        QTest::newRow("one second") << "1" << qint64(1'000);
        QTest::newRow("the longest") << "596h" << qint64(596LL * 3'600'000);
        QTest::newRow("the longest in seconds") << "2145600" << qint64(2'145'600'000);
    }
    void readsDurations() {
        QFETCH(QString, text);
        QFETCH(qint64, milliseconds);
        const DurationReading reading = readDuration(text);
        QVERIFY2(reading.duration.has_value(), qPrintable(reading.problem));
        QCOMPARE(qint64(reading.duration->count()), milliseconds);
        QVERIFY(reading.problem.isEmpty());
    }

    void longestFitsATimer() {
        QVERIFY(std::chrono::milliseconds(LongestDuration).count() <=
                std::numeric_limits<int>::max());
    }

    void refusesDurations_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString forms = QStringLiteral(" is not a time; write seconds (90 or 90s), minutes "
                                             "(30m), hours (2h) or them together in that order "
                                             "(1h30m15s)");
        QTest::newRow("empty") << ""
                               << "''" + forms;
        QTest::newRow("unknown unit") << "5x"
                                      << "'5x'" + forms;
        QTest::newRow("negative") << "-5"
                                  << "'-5'" + forms;
        QTest::newRow("plus sign") << "+5"
                                   << "'+5'" + forms;
        QTest::newRow("unit without number") << "h"
                                             << "'h'" + forms;
        QTest::newRow("number after a unit") << "1h30"
                                             << "'1h30'" + forms;
        QTest::newRow("out of order") << "30m1h"
                                      << "'30m1h'" + forms;
        QTest::newRow("seconds before minutes") << "5s2m"
                                                << "'5s2m'" + forms;
        QTest::newRow("repeated unit") << "1h1h"
                                       << "'1h1h'" + forms;
        QTest::newRow("repeated seconds") << "5s5s"
                                          << "'5s5s'" + forms;
        QTest::newRow("two units in a row") << "1hm"
                                            << "'1hm'" + forms;
        QTest::newRow("upper case") << "2H"
                                    << "'2H'" + forms;
        QTest::newRow("leading blank") << " 90"
                                       << "' 90'" + forms;
        QTest::newRow("trailing blank") << "90 "
                                        << "'90 '" + forms;
        QTest::newRow("blank inside") << "1h 30m"
                                      << "'1h 30m'" + forms;
        QTest::newRow("fraction") << "1.5h"
                                  << "'1.5h'" + forms;
        QTest::newRow("non-ASCII digit")
            << QString::fromUtf8("٩٠") << QString::fromUtf8("'٩٠'") + forms;
        QTest::newRow("zero") << "0"
                              << "'0' is no time at all; a flash that closes at once shows "
                                 "nothing, so give at least one second";
        QTest::newRow("zero in every unit")
            << "0h0m0s"
            << "'0h0m0s' is no time at all; a flash that closes at once shows nothing, so give "
               "at least one second";
        QTest::newRow("one past the longest") << "596h1s"
                                              << "'596h1s' is too long; the longest time is 596h";
        QTest::newRow("overflows 64 bits")
            << "99999999999h"
            << "'99999999999h' is too long; the longest time is 596h";
        QTest::newRow("long digit string")
            << "123456789012345678901234567890"
            << "'123456789012345678901234567890' is too long; the longest time is 596h";
        QTest::newRow("sum past the longest") << "596h60m"
                                              << "'596h60m' is too long; the longest time is 596h";
    }
    void refusesDurations() {
        QFETCH(QString, text);
        QFETCH(QString, problem);
        const DurationReading reading = readDuration(text);
        QVERIFY(!reading.duration.has_value());
        QCOMPARE(reading.problem, problem);
    }
};

CHROMAFLICK_CORE_TEST_MAIN(DurationTextTest)
#include "tst_durationtext.moc"
