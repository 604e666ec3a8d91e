// Runs on a private session bus (dbus-run-session), with a stand-in screensaver service.
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/flashsession.h"
#include "ui/flashsource.h"

#include <QApplication>
#include <QDBusConnection>
#include <QScreen>
#include <QtTest>

namespace {

class StandInScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList inhibitedBy;
    QList<uint> released;
    uint nextCookie = 41;

public slots:
    Q_SCRIPTABLE uint Inhibit(const QString& application, const QString& reason) {
        inhibitedBy << application + ": " + reason;
        return ++nextCookie;
    }
    Q_SCRIPTABLE void UnInhibit(uint cookie) { released << cookie; }
};

class Source final : public FlashSource {
public:
    QStringList colorEntries() const override { return {"RGB(1, 2, 3)"}; }
    FlashSettings flashSettings() const override {
        return {FlashOrder::Random, ColorMode::Solid, std::nullopt, QStringLiteral("500")};
    }
    QList<QScreen*> flashScreens() const override { return {QGuiApplication::primaryScreen()}; }
};

} // namespace

class ScreenSaverTest : public QObject {
    Q_OBJECT

    StandInScreenSaver standIn;
    Source source;
    ScriptedDialogs dialogs;

private slots:
    void initTestCase() {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        // The service answers on a connection of its own, as another program would.
        QDBusConnection service =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
        QVERIFY(service.registerObject("/org/freedesktop/ScreenSaver", &standIn,
                                       QDBusConnection::ExportScriptableSlots));
        QVERIFY(service.registerService("org.freedesktop.ScreenSaver"));
    }

    void flashHoldsTheScreenSaverWhileOpen() {
        FlashSession flash(source, dialogs);
        flash.showFlash();
        QTRY_COMPARE(standIn.inhibitedBy.size(), 1);
        QVERIFY(standIn.inhibitedBy[0].startsWith("Chromaflick: "));
        flash.showFlash();
        QTest::qWait(100);
        QCOMPARE(standIn.inhibitedBy.size(), 1);
        flash.close();
        QTRY_COMPARE(standIn.released, QList<uint>{42});
        flash.showFlash();
        QTRY_COMPARE(standIn.inhibitedBy.size(), 2);
        flash.close();
        QTRY_COMPARE(standIn.released, (QList<uint>{42, 43}));
    }

    void closedBeforeTheAnswerStillReleases() {
        standIn.released.clear();
        FlashSession flash(source, dialogs);
        flash.showFlash();
        flash.close();
        QTRY_COMPARE(standIn.released.size(), 1);
        QCOMPARE(standIn.released[0], standIn.nextCookie);
    }
};

CHROMAFLICK_TEST_MAIN(ScreenSaverTest)
#include "tst_screensaver.moc"
