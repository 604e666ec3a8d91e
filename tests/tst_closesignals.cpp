#include "platform/closesignals.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The child's exit status, or -1 when it did not end within the seconds.
int waitForChild(pid_t child, int seconds) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < seconds * 1000) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
        ::usleep(20'000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

} // namespace

// A close signal goes to the user-interface thread; when that thread is stuck and does not
// answer, the process still ends, without writing anything.
class CloseSignalsTest : public QObject {
    Q_OBJECT
private slots:
    void aSignalNobodyAnswersStillEndsTheProcess_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("answered");
        QTest::newRow("SIGTERM, answered") << int(SIGTERM) << true;
        QTest::newRow("SIGTERM, main thread stuck") << int(SIGTERM) << false;
        QTest::newRow("SIGINT, main thread stuck") << int(SIGINT) << false;
        QTest::newRow("SIGHUP, main thread stuck") << int(SIGHUP) << false;
    }
    void aSignalNobodyAnswersStillEndsTheProcess() {
        QFETCH(int, signal);
        QFETCH(bool, answered);
        QElapsedTimer ending;
        ending.start();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            CloseSignals closeSignals;
            QObject::connect(&closeSignals, &CloseSignals::closeRequested, [] { ::_exit(0); });
            ::raise(signal);
            if (answered) {
                QTimer::singleShot(20'000, [] { ::_exit(3); });
                QCoreApplication::exec();
            }
            // Stuck, as in a call that never returns: the event loop never runs again.
            ::sleep(20);
            ::_exit(4);
        }
        const int status = waitForChild(child, 12);
        if (answered) {
            QCOMPARE(status, 0);
            QVERIFY(ending.elapsed() < 4000);
            return;
        }
        QCOMPARE(status, 128 + signal);
        QVERIFY2(ending.elapsed() >= 4500, "ended before the main thread had its time");
    }
};

CHROMAFLICK_TEST_MAIN(CloseSignalsTest)
#include "tst_closesignals.moc"
