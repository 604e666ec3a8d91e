// Opens and closes the flash and the color picker of the real main window again and again, and
// prints the resident memory and the heap after the first round, after 100 rounds of each and
// at the end. Fails when either grew by more than 2 MB from one point to the next: repeated use
// must not pile anything up. Then, through the list's menu opened by a right click, cancels the
// import chooser 150 times, and 150 times more cancels both choosers, imports a full palette
// and clears it: in each part the last 100 may add at most 0.5 MB.
#include "core/settingsstore.h"
#include "core/storedlist.h"
#include "platform/qtdialogs.h"
#include "platform/settingsbacking.h"
#include "ui/colorlistview.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/form2.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
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
            // Answered as a user does: once it is on the screen, with its Cancel button.
            if (!chooser->windowHandle() || !chooser->windowHandle()->isExposed())
                return;
            if (path.isEmpty()) {
                auto* buttons = chooser->findChild<QDialogButtonBox*>();
                if (QPushButton* cancel =
                        buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr)
                    cancel->click();
                else
                    chooser->reject();
                return;
            }
            // Typed as a user does: selectFile() leaves a field that has the focus alone.
            auto* field = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!field)
                fail("the file chooser has no name field");
            field->setText(path);
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

// Right-clicks the list's first entry, as a user does, and chooses the command from the menu
// that opens, answering the boxes it opens with the path.
void chooseFromListMenu(Form1& form, const QString& command, const QString& path) {
    QWidget* entries = form.ListView1().viewport();
    QWindow* window = form.windowHandle();
    auto* menu = form.findChild<QMenu*>(QStringLiteral("ColorListMenu"));
    if (!window || !menu)
        fail("the list has no menu");
    QTest::mouseClick(window, Qt::RightButton, {}, entries->mapTo(&form, QPoint(20, 8)));
    if (!QTest::qWaitFor([&] { return menu->isVisible(); }) || !QTest::qWaitForWindowExposed(menu))
        fail("the list's menu did not open");
    const QList<QAction*> actions = menu->actions();
    const auto found = std::find_if(actions.begin(), actions.end(),
                                    [&](QAction* action) { return action->text() == command; });
    if (found == actions.end())
        fail("the list's menu has no such command");
    const QPoint at = menu->actionGeometry(*found).center();
    answeringBoxes(path, [&] { QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at); });
    if (!QTest::qWaitFor([&] { return !menu->isVisible(); }))
        fail("the list's menu stayed open");
    QCoreApplication::processEvents();
}

const QString importCommand = QStringLiteral("&Import Colors…");
const QString exportCommand = QStringLiteral("&Export Colors…");

// Opens the import and the export chooser and cancels each, then imports a full palette and
// clears the list again.
void fileRound(Form1& form, const QString& fullPalette) {
    chooseFromListMenu(form, importCommand, {});
    chooseFromListMenu(form, exportCommand, {});
    form.ListView1().clear();
    chooseFromListMenu(form, importCommand, fullPalette);
    if (form.ListView1().count() != MaxListEntries)
        fail("the full palette was not imported");
    auto* clear = form.findChild<QPushButton*>(QStringLiteral("PushButton4"));
    answeringBoxes({}, [&] { QTest::mouseClick(clear, Qt::LeftButton); });
    if (form.ListView1().count() != 0)
        fail("Clear List left colors behind");
    form.ListView1().append({QStringLiteral("RGB(255, 0, 0)")});
    QCoreApplication::processEvents();
}

// The use 50 times and 100 times more; whether the 100 added at most the allowance.
bool flatOverFileUses(const char* what, const std::function<void()>& use) {
    for (int i = 0; i < 50; ++i)
        use();
    const Usage first = usage();
    std::printf("after  %5d %-14s resident %7.2f MB   heap %7.2f MB\n", 50, what, first.residentMb,
                first.heapMb);
    for (int i = 0; i < 100; ++i)
        use();
    const Usage last = usage();
    std::printf("after  %5d %-14s resident %7.2f MB   heap %7.2f MB\n", 150, what, last.residentMb,
                last.heapMb);
    const double resident = last.residentMb - first.residentMb;
    const double heap = last.heapMb - first.heapMb;
    const bool flat = std::max(resident, heap) <= allowedFileGrowthMb;
    std::printf("growth %-14s 50 to 150: resident %+6.2f MB   heap %+6.2f MB   %s (allowed %.1f "
                "MB)\n",
                what, resident, heap, flat ? "flat" : "GROWING", allowedFileGrowthMb);
    return flat;
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
    // The file choosers through the list's menu: after 50 uses, 100 more add at most 0.5 MB.
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
    const bool importsFlat =
        flatOverFileUses("imports", [&] { chooseFromListMenu(form, importCommand, {}); });
    const bool filesFlat = flatOverFileUses("file rounds", [&] { fileRound(form, fullPalette); });
    std::printf("%s (allowed %.1f MB)\n", flat ? "flat" : "GROWING", allowedGrowthMb);
    return flat && importsFlat && filesFlat ? 0 : 1;
}
