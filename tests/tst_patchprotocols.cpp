#include "core/patch.h"
#include "core/patchflashwatch.h"
#include "core/resolvemessage.h"
#include "core/webdisplayreply.h"

#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(std::optional<Patch>)

namespace {

QByteArray framed(const QByteArray& xml) {
    QByteArray length(4, 0);
    qToBigEndian<quint32>(quint32(xml.size()), length.data());
    return length + xml;
}

const QByteArray TenBit =
    R"(<?xml version="1.0" encoding="utf-8"?><calibration><color red="1023" green="0" )"
    R"(blue="0" bits="10"/><background red="512" green="512" blue="512" bits="10"/>)"
    R"(<geometry x="0.4500" y="0.4500" cx="0.1000" cy="0.1000"/></calibration>)";
const QByteArray EightBit =
    R"(<?xml version="1.0" encoding="UTF-8" ?><calibration><shapes><rectangle><color )"
    R"(red="255" green="0" blue="0" /><geometry x="0.4500" y="0.4500" cx="0.1000" )"
    R"(cy="0.1000" /></rectangle></shapes></calibration>)";

} // namespace

class PatchProtocols : public QObject {
    Q_OBJECT
private slots:
    void resolveMessages_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<std::optional<Patch>>("patch");
        QTest::addColumn<QString>("problem");
        const PatchGeometry tenth{0.45, 0.45, 0.1, 0.1};
        QTest::newRow("10-bit with background")
            << TenBit
            << std::optional(Patch{{1023, 0, 0, 10}, PatchLevels{512, 512, 512, 10}, tenth})
            << QString();
        QTest::newRow("8-bit shapes")
            << EightBit << std::optional(Patch{{255, 0, 0, 8}, std::nullopt, tenth}) << QString();
        QTest::newRow("pixels")
            << QByteArray(R"(<calibration><color red="1" green="2" blue="3"/><geometry x="0" )"
                          R"(y="0" cx="1920.0000" cy="1080.0000"/></calibration>)")
            << std::optional(Patch{{1, 2, 3, 8}, std::nullopt, PatchGeometry{0, 0, 1920, 1080}})
            << QString();
        QTest::newRow("no color") << QByteArray("<calibration><background red=\"1\" green=\"2\" "
                                                "blue=\"3\"/></calibration>")
                                  << std::optional<Patch>() << "the message has no <color>";
        QTest::newRow("8-bit level over 255")
            << QByteArray(R"(<calibration><color red="256" green="0" blue="0"/></calibration>)")
            << std::optional<Patch>() << R"(<color> red="256" is no whole level from 0 to 255)";
        QTest::newRow("negative level")
            << QByteArray(R"(<calibration><color red="-1" green="0" blue="0"/></calibration>)")
            << std::optional<Patch>() << R"(<color> red="-1" is no whole level from 0 to 255)";
        QTest::newRow("fractional level")
            << QByteArray(R"(<calibration><color red="1.5" green="0" blue="0"/></calibration>)")
            << std::optional<Patch>() << R"(<color> red="1.5" is no whole level from 0 to 255)";
        QTest::newRow("12 bits")
            << QByteArray(
                   R"(<calibration><color red="1" green="0" blue="0" bits="12"/></calibration>)")
            << std::optional<Patch>() << R"(<color> bits="12" is neither 8 nor 10)";
        QTest::newRow("a missing channel")
            << QByteArray(R"(<calibration><color red="1" green="0"/></calibration>)")
            << std::optional<Patch>() << "<color> has no blue";
        QTest::newRow("geometry not a number")
            << QByteArray(R"(<calibration><color red="1" green="0" blue="0"/><geometry x="nan" )"
                          R"(y="0" cx="1" cy="1"/></calibration>)")
            << std::optional<Patch>() << R"(<geometry> x="nan" is no number)";
        QTest::newRow("geometry far out")
            << QByteArray(R"(<calibration><color red="1" green="0" blue="0"/><geometry x="0" )"
                          R"(y="0" cx="1e9" cy="1"/></calibration>)")
            << std::optional<Patch>() << R"(<geometry> cx="1e9" is out of range)";
        QTest::newRow("cut off") << TenBit.left(60) << std::optional<Patch>()
                                 << "the message is no well-formed XML: Premature end of document.";
        QTest::newRow("another document") << QByteArray("<html/>") << std::optional<Patch>()
                                          << "the message is <html>, not <calibration>";
    }
    void resolveMessages() {
        QFETCH(QByteArray, xml);
        QFETCH(std::optional<Patch>, patch);
        QFETCH(QString, problem);
        const ResolveReading reading = readResolveMessage(xml);
        QCOMPARE(reading.problem, problem);
        QVERIFY(reading.patch == patch);
    }

    // Messages come in pieces of any size, and a length over the limit ends the stream.
    void framerCutsTheStream() {
        const QByteArray stream = framed(TenBit) + framed(EightBit);
        for (const int piece : {1, 3, 7, 1000}) {
            ResolveFramer framer;
            QList<QByteArray> messages;
            for (qsizetype at = 0; at < stream.size(); at += piece) {
                framer.append(stream.mid(at, piece));
                QString problem;
                while (const std::optional<QByteArray> message = framer.next(problem))
                    messages << *message;
                QVERIFY(problem.isEmpty());
            }
            QCOMPARE(messages, (QList<QByteArray>{TenBit, EightBit}));
            QVERIFY(!framer.isMidMessage());
        }
        ResolveFramer framer;
        QByteArray announced(4, 0);
        qToBigEndian<quint32>(LargestResolveMessage + 1, announced.data());
        framer.append(announced);
        QString problem;
        QVERIFY(!framer.next(problem));
        QCOMPARE(problem, "a message of 1048577 bytes announced, more than the 1048576 a patch "
                          "may take");
    }

    void rectangles_data() {
        QTest::addColumn<PatchGeometry>("geometry");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("bottom");
        QTest::newRow("tenth of 1920x1080")
            << PatchGeometry{0.45, 0.45, 0.1, 0.1} << 864 << 486 << 1056 << 594;
        QTest::newRow("whole as fractions") << PatchGeometry{0, 0, 1, 1} << 0 << 0 << 1920 << 1080;
        QTest::newRow("half a pixel rounds away from zero")
            << PatchGeometry{10.5, 0, 100, 1080} << 11 << 0 << 111 << 1080;
        QTest::newRow("pixels") << PatchGeometry{10, 20, 100.4, 50.6} << 10 << 20 << 110 << 71;
        QTest::newRow("pixels cut to the screen")
            << PatchGeometry{1900, 1000, 100, 100} << 1900 << 1000 << 1920 << 1080;
    }
    void rectangles() {
        QFETCH(PatchGeometry, geometry);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, right);
        QFETCH(int, bottom);
        QCOMPARE(patchRectangle(geometry, 1920, 1080), (PixelRect{left, top, right, bottom}));
    }

    void nearest8BitLevels_data() {
        QTest::addColumn<int>("level10");
        QTest::addColumn<int>("level8");
        QTest::newRow("black") << 0 << 0;
        QTest::newRow("white") << 1023 << 255;
        // 512 * 255 / 1023 = 127.62
        QTest::newRow("DisplayCAL's half") << 512 << 128;
        QTest::newRow("just under a half step") << 2 << 0;
        QTest::newRow("just over a half step") << 3 << 1;
    }
    void nearest8BitLevels() {
        QFETCH(int, level10);
        QFETCH(int, level8);
        QCOMPARE(nearestColor8({level10, 0, 1023, 10}), level8 + (255 << 16));
    }

    void webDisplayReplies_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("problem");
        const int incomplete = int(WebDisplayReading::State::Incomplete);
        const int color = int(WebDisplayReading::State::Color);
        const int bad = int(WebDisplayReading::State::Bad);
        const QByteArray ok = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n";
        QTest::newRow("ArgyllCMS's answer") << ok + "#FF0000" << true << color << QString();
        QTest::newRow("lowercase, blank line first")
            << ok + "\r\n#ff8000" << true << color << QString();
        QTest::newRow("color before the close")
            << ok + "#FF0000" << false << incomplete << QString();
        QTest::newRow("headers in part")
            << QByteArray("HTTP/1.1 200") << false << incomplete << QString();
        QTest::newRow("headers cut off")
            << QByteArray("HTTP/1.1 200") << true << bad
            << "the server closed the connection in the middle of its answer";
        QTest::newRow("garbage") << QByteArray("SSH-2.0\r\n") << false << bad
                                 << "the answer is no HTTP: it begins \"SSH-2.0??\"";
        QTest::newRow("not found") << QByteArray("HTTP/1.1 404 Not Found\r\n\r\n") << true << bad
                                   << "the server answered \"HTTP/1.1 404 Not Found\"";
        QTest::newRow("not hex") << ok + "#GG0000" << true << bad
                                 << "the answer \"#GG0000\" is no #RRGGBB color";
        QTest::newRow("signed hex")
            << ok + "#+F0000" << true << bad << "the answer \"#+F0000\" is no #RRGGBB color";
        QTest::newRow("too long") << ok + QByteArray(LargestWebDisplayReply, 'x') << false << bad
                                  << "the answer runs past 16384 bytes";
    }
    void webDisplayReplies() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ended);
        QFETCH(int, state);
        QFETCH(QString, problem);
        const WebDisplayReading reading = readWebDisplayReply(bytes, ended);
        QCOMPARE(int(reading.state), state);
        QCOMPARE(reading.problem, problem);
    }

    void webDisplayRequestTellsTheShownColor() {
        QCOMPARE(webDisplayRequest("localhost", 0x0080ff),
                 QByteArray("GET /ajax/messages?%23FF8000 HTTP/1.1\r\nHost: localhost\r\n"
                            "Connection: close\r\n\r\n"));
    }

    // Black and white changes every 100 ms: the seventh change within a second warns, once.
    void fastPatchesWarnOnce() {
        PatchFlashWatch watch;
        QList<int> warned;
        for (int i = 0; i < 20; ++i) {
            if (watch.change(i * 100, i % 2 ? 0xffffff : 0))
                warned << i;
        }
        QCOMPARE(warned, QList<int>{7});
        PatchFlashWatch slow;
        for (int i = 0; i < 20; ++i)
            QVERIFY(!slow.change(i * 200, i % 2 ? 0xffffff : 0));
    }
};

QTEST_GUILESS_MAIN(PatchProtocols)
#include "tst_patchprotocols.moc"
