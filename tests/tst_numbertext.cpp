#include "core/failure.h"
#include "core/numbertext.h"
#include "coretest.h"

#include <QLocale>
#include <QtTest>
#include <cmath>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5 down to 0") << 0.5 << 0.0;
        QTest::newRow("1.5 up to 2") << 1.5 << 2.0;
        QTest::newRow("2.5 down to 2") << 2.5 << 2.0;
        QTest::newRow("-0.5 to 0") << -0.5 << 0.0;
        QTest::newRow("-1.5 to -2") << -1.5 << -2.0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
        QTest::newRow("2.4999 down") << 2.4999 << 2.0;
        QTest::newRow("2.5001 up") << 2.5001 << 3.0;
        QTest::newRow("254.07 down") << 254.07 << 254.0;
        QTest::newRow("0.93 up") << 0.93 << 1.0;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    void convertsToInt16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "500" << 500;
        QTest::newRow("blanks around") << " 127 " << 127;
        QTest::newRow("half to even down") << "0.5" << 0;
        QTest::newRow("half to even up") << "1.5" << 2;
        QTest::newRow("half of 2") << "2.5" << 2;
        QTest::newRow("negative") << "-20" << -20;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("upper bound") << "32767" << 32767;
        QTest::newRow("lower bound") << "-32768" << -32768;
        QTest::newRow("rounds onto the bound") << "32767.4" << 32767;
    }
    void convertsToInt16() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(textToInt16(text)), value);
    }

    void refusesInt16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("description");
        QTest::newRow("empty") << ""
                               << "'' is not a number";
        QTest::newRow("blanks") << "   "
                                << "'   ' is not a number";
        QTest::newRow("word") << "abc"
                              << "'abc' is not a number";
        QTest::newRow("hexadecimal") << "0x10"
                                     << "'0x10' is not a number";
        QTest::newRow("infinity") << "inf"
                                  << "'inf' is not a number";
        QTest::newRow("above") << "40000"
                               << "40000 is out of range (-32768 to 32767)";
        QTest::newRow("rounds above") << "32767.5"
                                      << "32767.5 is out of range (-32768 to 32767)";
        QTest::newRow("below") << "-32769"
                               << "-32769 is out of range (-32768 to 32767)";
    }
    void refusesInt16() {
        QFETCH(QString, text);
        QFETCH(QString, description);
        try {
            textToInt16(text);
            QFAIL("accepted");
        } catch (const Failure& failure) {
            QCOMPARE(QString::fromUtf8(failure.what()), description);
        }
    }

    void numericCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("plain") << "250" << true;
        QTest::newRow("blanks") << " 250 " << true;
        QTest::newRow("fraction") << "1.5" << true;
        QTest::newRow("negative") << "-20" << true;
        QTest::newRow("plus sign") << "+7" << true;
        QTest::newRow("exponent") << "2E2" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks only") << "  " << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("number then letters") << "12ab" << false;
        QTest::newRow("nan") << "nan" << false;
        QTest::newRow("control character") << "5\x01" << false;
    }
    void numericCheck() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(isNumericText(text), numeric);
    }

    void readsBooleans_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("value");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << true;
        QTest::newRow("TRUE") << "TRUE" << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("fAlSe") << "fAlSe" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("-1") << "-1" << true;
        QTest::newRow("0.0") << "0.0" << false;
    }
    void readsBooleans() {
        QFETCH(QString, text);
        QFETCH(bool, value);
        QCOMPARE(textToBoolean(text), value);
    }

    void refusesNonBooleans_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("maybe") << "maybe";
        QTest::newRow("empty") << "";
        QTest::newRow("yes") << "yes";
        QTest::newRow("Truely") << "Truely";
    }
    void refusesNonBooleans() {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(Failure, textToBoolean(text));
    }

    // Plain integers take a shortcut past QLocale; every reading has to stay QLocale's.
    void readsAsTheCLocaleDoes_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << "255";
        QTest::newRow("leading zeros") << "007";
        QTest::newRow("many leading zeros") << "00000000000012";
        QTest::newRow("plus sign") << "+5";
        QTest::newRow("minus zero") << "-0";
        QTest::newRow("nine digits") << "123456789";
        QTest::newRow("ten digits") << "1234567890";
        QTest::newRow("tab and no-break space around") << "\t12\u00A0";
        QTest::newRow("line break after") << "12\n";
        QTest::newRow("sign alone") << "-";
        QTest::newRow("two signs") << "--1";
        QTest::newRow("blank after the sign") << "- 1";
        QTest::newRow("blank between digits") << "1 2";
        QTest::newRow("Arabic-Indic digit") << "\u0663";
        QTest::newRow("full-width digits") << "\uFF11\uFF12";
        QTest::newRow("minus sign character") << "\u22125";
    }
    void readsAsTheCLocaleDoes() {
        QFETCH(QString, text);
        bool ok = false;
        const double expected = QLocale::c().toDouble(text.trimmed(), &ok);
        const std::optional<double> read = textToNumber(text);
        if (ok) {
            QVERIFY(read.has_value());
            QCOMPARE(*read, expected);
            QCOMPARE(std::signbit(*read), std::signbit(expected));
        } else {
            // The user's locale gets its turn only where the C locale reads nothing.
            const double inSystem = QLocale::system().toDouble(text.trimmed(), &ok);
            QCOMPARE(read.has_value(), ok);
            if (ok)
                QCOMPARE(*read, inSystem);
        }
    }

    void quotesLongAndControlTextShortly() {
        QCOMPARE(quotedForMessage(QString(100, QLatin1Char('x'))),
                 QLatin1Char('\'') + QString(40, QLatin1Char('x')) + QStringLiteral("…'"));
        QCOMPARE(quotedForMessage(QStringLiteral("a\nb\tc")), QStringLiteral("'a b c'"));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
