// Opens and closes the flash and the color picker of the real main window again and again, and
// prints the resident memory and the heap after the first round, after 100 rounds of each and
// at the end. Fails when either grew by more than 2 MB from one point to the next: repeated use
// must not pile anything up. Then opens the import and export choosers and imports a full
// palette and clears it, 150 times: the last 100 may add at most 0.5 MB.
#include "core/settingsstore.h"
#include "core/storedlist.h"
#include "platform/qtdialogs.h"
#include "platform/settingsbacking.h"
#include "ui/colorlistview.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/palettecommands.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int firstRounds = 100;
constexpr double allowedGrowthMb = 2.0;
constexpr double allowedFileGrowthMb = 0.5;

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

// Answers every box that opens while the action runs: a file chooser with the path (or cancels
// it when the path is empty), a question with Yes, any other box with OK.
void answeringBoxes(const QString& path, const std::function<void()>& action) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        if (auto* chooser = qobject_cast<QFileDialog*>(box)) {
            if (path.isEmpty()) {
                chooser->reject();
                return;
            }
            chooser->selectFile(path);
            QMetaObject::invokeMethod(chooser, "accept");
        } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
            if (QAbstractButton* yes = message->button(QMessageBox::Yes))
                yes->click();
            else
                message->accept();
        } else {
            QMetaObject::invokeMethod(box, "reject");
        }
    });
    poll.start(5);
    action();
}

// Opens the import and the export chooser and cancels each, then imports a full palette and
// clears the list again.
void fileRound(Form1& form, PaletteCommands& palettes, const QString& fullPalette) {
    answeringBoxes({}, [&] { palettes.importColors(); });
    answeringBoxes({}, [&] { palettes.exportColors(); });
    form.ListView1().clear();
    answeringBoxes(fullPalette, [&] { palettes.importColors(); });
    if (form.ListView1().count() != MaxListEntries)
        fail("the full palette was not imported");
    auto* clear = form.findChild<QPushButton*>(QStringLiteral("PushButton4"));
    answeringBoxes({}, [&] { QTest::mouseClick(clear, Qt::LeftButton); });
    if (form.ListView1().count() != 0)
        fail("Clear List left colors behind");
    form.ListView1().append({QStringLiteral("RGB(255, 0, 0)")});
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
    // The file choosers and a full import with Clear: after 50 uses, 100 more add at most 0.5 MB.
    QTemporaryDir palettes;
    const QString fullPalette = palettes.filePath(QStringLiteral("full.txt"));
    {
        QStringList lines;
        for (int i = 0; i < MaxListEntries; ++i)
            lines << QStringLiteral("%1 %2 %3").arg(i % 256).arg((i / 256) % 256).arg(7);
        QFile file(fullPalette);
        if (!file.open(QIODevice::WriteOnly) || file.write(lines.join(u'\n').toUtf8()) < 0)
            fail("the palette could not be written");
    }
    PaletteCommands commands(form.ListView1(), dialogs);
    for (int i = 0; i < 50; ++i)
        fileRound(form, commands, fullPalette);
    const Usage filesFirst = usage();
    std::printf("after  %5d file uses   resident %7.2f MB   heap %7.2f MB\n", 50,
                filesFirst.residentMb, filesFirst.heapMb);
    for (int i = 0; i < 100; ++i)
        fileRound(form, commands, fullPalette);
    const Usage filesLast = usage();
    std::printf("after  %5d file uses   resident %7.2f MB   heap %7.2f MB\n", 150,
                filesLast.residentMb, filesLast.heapMb);
    const double fileGrowth = std::max(filesLast.residentMb - filesFirst.residentMb,
                                       filesLast.heapMb - filesFirst.heapMb);
    std::printf("growth %-16s resident %+6.2f MB   heap %+6.2f MB\n", "file uses 50 to 150",
                filesLast.residentMb - filesFirst.residentMb, filesLast.heapMb - filesFirst.heapMb);
    const bool filesFlat = fileGrowth <= allowedFileGrowthMb;
    std::printf("%s (allowed %.1f MB)\n", flat ? "flat" : "GROWING", allowedGrowthMb);
    std::printf("file uses %s (allowed %.1f MB)\n", filesFlat ? "flat" : "GROWING",
                allowedFileGrowthMb);
    return flat && filesFlat ? 0 : 1;
}
