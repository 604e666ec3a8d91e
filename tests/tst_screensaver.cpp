// Runs on a private session bus (dbus-run-session), with stand-ins for the desktop's services.
#include "platform/screensaverinhibitor.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/flashsession.h"
#include "ui/flashsource.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QScreen>
#include <QtTest>

namespace {

// Compared as text: Qt's own comparison of two empty lists of numbers hands memcmp a null pointer.
QString listed(const QList<uint>& values) {
    QStringList texts;
    for (const uint value : values)
        texts << QString::number(value);
    return texts.join(u',');
}

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

class StandInSessionManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SessionManager")
public:
    QList<uint> flags;
    QList<uint> released;
    uint nextCookie = 70;

public slots:
    Q_SCRIPTABLE uint Inhibit(const QString&, uint, const QString&, uint flagsAsked) {
        flags << flagsAsked;
        return ++nextCookie;
    }
    Q_SCRIPTABLE void Uninhibit(uint cookie) { released << cookie; }
};

class StandInPortalRequest : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    int closed = 0;
public slots:
    Q_SCRIPTABLE void Close() { ++closed; }
};

class StandInPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")
public:
    static inline const QString requestPath =
        QStringLiteral("/org/freedesktop/portal/desktop/request/1/t");
    QList<uint> flags;
    QStringList reasons;

public slots:
    Q_SCRIPTABLE QDBusObjectPath Inhibit(const QString&, uint flagsAsked,
                                         const QVariantMap& options) {
        flags << flagsAsked;
        reasons << options.value("reason").toString();
        return QDBusObjectPath(requestPath);
    }
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
    StandInSessionManager sessionManager;
    StandInPortal portal;
    StandInPortalRequest portalRequest;
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
        QVERIFY(service.registerObject("/org/gnome/SessionManager", &sessionManager,
                                       QDBusConnection::ExportScriptableSlots));
        QVERIFY(service.registerObject("/org/freedesktop/portal/desktop", &portal,
                                       QDBusConnection::ExportScriptableSlots));
        QVERIFY(service.registerObject(StandInPortal::requestPath, &portalRequest,
                                       QDBusConnection::ExportScriptableSlots));
    }

    // Each service the desktop runs holds idle off from the hold to the release, with the idle
    // flag where the service takes flags; with none of them the program says so once.
    void everyOfferedWayHolds_data() {
        QTest::addColumn<QStringList>("services");
        QTest::newRow("none") << QStringList{};
        QTest::newRow("screensaver") << QStringList{"org.freedesktop.ScreenSaver"};
        QTest::newRow("gnome") << QStringList{"org.gnome.SessionManager"};
        QTest::newRow("portal") << QStringList{"org.freedesktop.portal.Desktop"};
        QTest::newRow("all") << QStringList{"org.freedesktop.ScreenSaver",
                                            "org.gnome.SessionManager",
                                            "org.freedesktop.portal.Desktop"};
    }
    void everyOfferedWayHolds() {
        QFETCH(QStringList, services);
        QDBusConnection service = QDBusConnection(QStringLiteral("stand-in"));
        // The first test function's name stays, so drop it while the row asks for others.
        QVERIFY(service.unregisterService("org.freedesktop.ScreenSaver"));
        for (const QString& name : services)
            QVERIFY(service.registerService(name));
        standIn.inhibitedBy.clear();
        standIn.released.clear();
        sessionManager.flags.clear();
        sessionManager.released.clear();
        portal.flags.clear();
        portal.reasons.clear();
        portalRequest.closed = 0;

        {
            ScreenSaverInhibitor inhibitor;
            QSignalSpy nothingHolds(&inhibitor, &ScreenSaverInhibitor::nothingHolds);
            inhibitor.hold("flashing");
            const auto holds = [&](const char* name) { return services.contains(name); };
            QTRY_COMPARE(standIn.inhibitedBy.size(), holds("org.freedesktop.ScreenSaver") ? 1 : 0);
            QTRY_COMPARE(listed(sessionManager.flags),
                         holds("org.gnome.SessionManager") ? u"8"_qs : QString());
            QTRY_COMPARE(listed(portal.flags),
                         holds("org.freedesktop.portal.Desktop") ? u"8"_qs : QString());
            if (services.isEmpty())
                QTRY_COMPARE(nothingHolds.size(), 1);
            else
                QCOMPARE(portal.reasons, holds("org.freedesktop.portal.Desktop")
                                             ? QStringList{"flashing"}
                                             : QStringList{});
            // Answers have all come: the refusals must be in too before the release.
            QTest::qWait(50);
            inhibitor.release();
            QTRY_COMPARE(standIn.released.size(), holds("org.freedesktop.ScreenSaver") ? 1 : 0);
            QTRY_COMPARE(listed(sessionManager.released),
                         holds("org.gnome.SessionManager")
                             ? QString::number(sessionManager.nextCookie)
                             : QString());
            QTRY_COMPARE(portalRequest.closed, holds("org.freedesktop.portal.Desktop") ? 1 : 0);
            // Said once only, at the first flash.
            inhibitor.hold("again");
            QTest::qWait(100);
            QCOMPARE(nothingHolds.size(), services.isEmpty() ? 1 : 0);
        }
        // Going away releases what it holds.
        const auto held = [&](const char* name) { return services.contains(name) ? 2 : 0; };
        QTRY_COMPARE(standIn.released.size(), held("org.freedesktop.ScreenSaver"));
        QTRY_COMPARE(sessionManager.released.size(), held("org.gnome.SessionManager"));
        QTRY_COMPARE(portalRequest.closed, held("org.freedesktop.portal.Desktop"));

        for (const QString& name : services)
            QVERIFY(service.unregisterService(name));
        QVERIFY(service.registerService("org.freedesktop.ScreenSaver"));
        standIn.inhibitedBy.clear();
        standIn.released.clear();
        standIn.nextCookie = 41;
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
        QTRY_COMPARE(listed(standIn.released), u"42"_qs);
        flash.showFlash();
        QTRY_COMPARE(standIn.inhibitedBy.size(), 2);
        flash.close();
        QTRY_COMPARE(listed(standIn.released), u"42,43"_qs);
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
