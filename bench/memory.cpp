// Opens and closes the flash and the color picker of the real main window again and again, and
// prints the resident memory and the heap after the first round, after 100 rounds of each and
// at the end. Fails when either grew by more than 2 MB from one point to the next: repeated use
// must not pile anything up.
#include "core/settingsstore.h"
#include "platform/qtdialogs.h"
#include "platform/settingsbacking.h"
#include "ui/colorlistview.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/form2.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int firstRounds = 100;
constexpr double allowedGrowthMb = 2.0;

struct Usage {
    double residentMb;
    double heapMb;
};

Usage usage() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    const double mb = 1024.0 * 1024.0;
    return {resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / mb,
            static_cast<double>(mallinfo2().uordblks) / mb};
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "chromaflick_memory: %s\n", what);
    std::exit(2);
}

// Start, wait for the flash to show, then Escape and wait for it to close.
void startAndEscape(Form1& form, QPushButton& start) {
    QTest::mouseClick(&start, Qt::LeftButton);
    FlashSession* session = form.flashSession();
    Form2* flash = session && !session->views().isEmpty() ? session->views().first() : nullptr;
    if (!flash || !QTest::qWaitForWindowExposed(flash))
        fail("the flash did not show");
    QTest::keyClick(flash, Qt::Key_Escape);
    if (!QTest::qWaitFor([&] { return !flash->isVisible(); }))
        fail("Escape did not close the flash");
}

// Add Color, wait for the picker, then cancel it.
void pickAndCancel(QPushButton& addColor, ColorListView& list) {
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* picker = QApplication::activeModalWidget()) {
            poll.stop();
            shown = true;
            QMetaObject::invokeMethod(picker, "reject");
        }
    });
    poll.start(5);
    QTest::mouseClick(&addColor, Qt::LeftButton);
    if (!shown)
        fail("the color picker did not show");
    // A desktop repaints the list as the picker goes (the window is uncovered and activated
    // again); a bare X server does not, so it is done here.
    list.viewport()->repaint();
    QCoreApplication::processEvents();
}

void rounds(Form1& form, int flashes, int pickers) {
    auto* start = form.findChild<QPushButton*>(QStringLiteral("PushButton2"));
    auto* addColor = form.findChild<QPushButton*>(QStringLiteral("PushButton1"));
    if (!start || !addColor)
        fail("the main window has no Start or Add Color button");
    for (int i = 0; i < flashes; ++i)
        startAndEscape(form, *start);
    for (int i = 0; i < pickers; ++i)
        pickAndCancel(*addColor, form.ListView1());
}

void print(const char* when, int flashes, int pickers, const Usage& u) {
    std::printf("%-6s %5d flashes %5d pickers   resident %7.2f MB   heap %7.2f MB\n", when, flashes,
                pickers, u.residentMb, u.heapMb);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir settings(QDir::tempPath() + QStringLiteral("/chromaflick-memory-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    const int flashes = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int pickers = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (flashes < firstRounds || pickers < firstRounds)
        fail("usage: chromaflick_memory [flashes >= 100] [pickers >= 100]");

    QtDialogs dialogs;
    UserSettingsStore store;
    // The seven default colors, changing slowly enough that no warning comes first.
    store.WriteSetting(Keys::DelayText, QStringLiteral("250"));
    Form1 form(dialogs, store);
    form.load();
    form.showCentred();
    if (!QTest::qWaitForWindowExposed(&form))
        fail("the main window did not show");

    // The first round makes what lives for the whole run: the flash window, the picker, fonts.
    rounds(form, 1, 1);
    const Usage warm = usage();
    print("after", 1, 1, warm);
    rounds(form, firstRounds - 1, firstRounds - 1);
    const Usage first = usage();
    print("after", firstRounds, firstRounds, first);
    rounds(form, flashes - firstRounds, pickers - firstRounds);
    const Usage last = usage();
    print("after", flashes, pickers, last);
    bool flat = true;
    const auto growth = [&](const char* span, const Usage& from, const Usage& to) {
        const double resident = to.residentMb - from.residentMb;
        const double heap = to.heapMb - from.heapMb;
        std::printf("growth %-16s resident %+6.2f MB   heap %+6.2f MB\n", span, resident, heap);
        flat = flat && resident <= allowedGrowthMb && heap <= allowedGrowthMb;
    };
    growth("rounds 1 to 100", warm, first);
    growth("rounds 100 to end", first, last);
    std::printf("%s (allowed %.1f MB)\n", flat ? "flat" : "GROWING", allowedGrowthMb);
    return flat ? 0 : 1;
}
