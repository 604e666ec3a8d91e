#include "core/storedlist.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/colorlistmenu.h"
#include "ui/colorlistview.h"

#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

enum class Opening { RightClick, MenuKey, ShiftF10, KeyboardRequest };

// A plain text palette whose lines 2, 4, 6, ... hold no color, count lines in all.
QByteArray everyOtherLineBad(int count) {
    QByteArray bytes;
    for (int line = 1; line <= count; ++line)
        bytes += line % 2 ? QByteArray::number(line) + " 0 0\n" : QByteArray("junk\n");
    return bytes;
}

QStringList firstBadLines(int count) {
    QStringList lines;
    for (int line = 2; lines.size() < count; line += 2)
        lines << QStringLiteral("line %1: not a color; write RGB(r, g, b), #RRGGBB or r g b")
                     .arg(line);
    return lines;
}

} // namespace

class PaletteMenuTest : public QObject {
    Q_OBJECT

    ColorListView list;
    ScriptedDialogs dialogs;
    ColorListMenu* listMenu = new ColorListMenu(list, dialogs);
    // A fresh one for each case, so that every case sees only its own files.
    std::unique_ptr<QTemporaryDir> temporary;

    QMenu& menu() const { return listMenu->menu(); }

    void fill(const QStringList& entries) {
        list.clear();
        list.append(entries);
    }

    void open(Opening how) {
        switch (how) {
        case Opening::RightClick: {
            const QPoint at = list.visualRect(list.model()->index(1, 0)).center();
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
            QApplication::sendEvent(list.viewport(), &click);
            break;
        }
        case Opening::MenuKey:
            QTest::keyClick(&list, Qt::Key_Menu);
            break;
        case Opening::ShiftF10:
            QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
            break;
        case Opening::KeyboardRequest: {
            // What X11 sends for the Menu key, at the pointer wherever it is.
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(-500, -500),
                                      QPoint(-500, -500));
            QApplication::sendEvent(&list, &request);
            break;
        }
        }
    }

    // Imports the file of these bytes through the menu's first entry.
    void importFile(const QString& name, const QByteArray& bytes) {
        const QString path = temporary->filePath(name);
        QVERIFY(putFile(path, bytes));
        dialogs.palettesToOpen << path;
        open(Opening::ShiftF10);
        QTest::keyClick(&menu(), Qt::Key_I);
    }

private slots:
    void initTestCase() {
        list.addColumnHeader(QStringLiteral("RGB Colors"));
        list.setGeometry(100, 100, 300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
    }

    void init() {
        menu().hide();
        fill({"RGB(1, 1, 1)", "RGB(2, 2, 2)"});
        list.setCurrentIndex(list.model()->index(0, 0));
        dialogs = ScriptedDialogs();
        temporary = std::make_unique<QTemporaryDir>();
    }

    void offersImportAndExport() {
        QStringList texts;
        for (const QAction* action : menu().actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"&Import Colors…", "&Export Colors…"}));
    }

    void opensByMouseAndKeys_data() {
        QTest::addColumn<Opening>("how");
        QTest::addColumn<bool>("underCurrentEntry");
        QTest::newRow("right click") << Opening::RightClick << false;
        QTest::newRow("Menu key") << Opening::MenuKey << true;
        QTest::newRow("Shift+F10") << Opening::ShiftF10 << true;
        QTest::newRow("menu request from the keyboard") << Opening::KeyboardRequest << true;
    }
    void opensByMouseAndKeys() {
        QFETCH(Opening, how);
        QFETCH(bool, underCurrentEntry);
        open(how);
        QTRY_VERIFY(menu().isVisible());
        const QRect second = list.visualRect(list.model()->index(1, 0));
        const QPoint expected =
            underCurrentEntry
                ? list.viewport()->mapToGlobal(list.visualRect(list.currentIndex()).bottomLeft())
                : list.viewport()->mapToGlobal(second.center());
        QCOMPARE(menu().pos(), expected);
    }

    void otherKeysLeaveTheMenuClosed() {
        QTest::keyClick(&list, Qt::Key_F10);
        QTest::keyClick(&list, Qt::Key_F10, Qt::ControlModifier);
        // As on the start button: a modifier makes the Menu key another key.
        QTest::keyClick(&list, Qt::Key_Menu, Qt::ControlModifier);
        QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier);
        QTest::keyClick(&list, Qt::Key_Down);
        QVERIFY(!menu().isVisible());
        QCOMPARE(list.currentIndex().row(), 1);
    }

    void keysChooseTheEntries_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("openShown");
        QTest::addColumn<int>("saveShown");
        QTest::newRow("I") << QList<int>{Qt::Key_I} << 1 << 0;
        QTest::newRow("E") << QList<int>{Qt::Key_E} << 0 << 1;
        QTest::newRow("Down, Return") << QList<int>{Qt::Key_Down, Qt::Key_Return} << 1 << 0;
        QTest::newRow("Down, Down, Return")
            << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 0 << 1;
        QTest::newRow("Escape") << QList<int>{Qt::Key_Escape} << 0 << 0;
    }
    void keysChooseTheEntries() {
        QFETCH(QList<int>, keys);
        QFETCH(int, openShown);
        QFETCH(int, saveShown);
        open(Opening::MenuKey);
        QTRY_VERIFY(menu().isVisible());
        for (int key : keys)
            QTest::keyClick(&menu(), Qt::Key(key));
        QTRY_VERIFY(!menu().isVisible());
        QCOMPARE(dialogs.openChooserShown, openShown);
        QCOMPARE(dialogs.saveChooserShown, saveShown);
        QCOMPARE(list.count(), 2);
    }

    void importAppendsAndTellsWhatItLeftOut_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("appended");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("GIMP palette")
            << QByteArray("GIMP Palette\nName: Warm\nColumns: 4\n#\n255 0 0 Red\n 0 128 255\n")
            << QStringList{"RGB(255, 0, 0)", "RGB(0, 128, 255)"} << QStringList{};
        QTest::newRow("plain text with comments")
            << QByteArray("# warm\r\n#FF8000\r\n\r\nRGB(3, 4, 5)\r\n10 20 30\r\n")
            << QStringList{"RGB(255, 128, 0)", "RGB(3, 4, 5)", "RGB(10, 20, 30)"} << QStringList{};
        QTest::newRow("bad lines among good ones")
            << QByteArray("1 2 3\nRGB(1, 2)\n4 5 6\n7 8 300\n")
            << QStringList{"RGB(1, 2, 3)", "RGB(4, 5, 6)"}
            << QStringList{"Colors imported from 'colors.txt': 2\n\n"
                           "Lines that hold no color, skipped: 2\n"
                           "line 2: RGB( ) needs three numbers: red, green and blue\n"
                           "line 4: '300' is more than 255"};
        QTest::newRow("thirty bad lines show twenty")
            << everyOtherLineBad(60) << QStringList{}
            << QStringList{"Colors imported from 'colors.txt': 30\n\n"
                           "Lines that hold no color, skipped: 30\n" +
                           firstBadLines(20).join('\n') + "\nand 10 more"};
    }
    void importAppendsAndTellsWhatItLeftOut() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, appended);
        QFETCH(QStringList, warnings);
        if (appended.isEmpty()) {
            for (int line = 1; line < 60; line += 2)
                appended << QStringLiteral("RGB(%1, 0, 0)").arg(line);
        }
        importFile(QStringLiteral("colors.txt"), bytes);
        QCOMPARE(dialogs.openChooserShown, 1);
        QCOMPARE(list.entries(), QStringList({"RGB(1, 1, 1)", "RGB(2, 2, 2)"}) + appended);
        QCOMPARE(dialogs.warningTexts(), warnings);
        for (const ScriptedDialogs::Warning& warning : dialogs.warnings)
            QCOMPARE(warning.title, QStringLiteral("Import Colors"));
        QVERIFY(dialogs.informs.isEmpty());
    }

    void importFillsTheListToItsLimit() {
        fill(QStringList(MaxListEntries - 2, QStringLiteral("RGB(0, 0, 0)")));
        importFile(QStringLiteral("five.txt"), "1 1 1\nbad\n2 2 2\n3 3 3\n4 4 4\n5 5 5\n");
        QCOMPARE(list.count(), MaxListEntries);
        QCOMPARE(list.entries().mid(MaxListEntries - 3),
                 (QStringList{"RGB(0, 0, 0)", "RGB(1, 1, 1)", "RGB(2, 2, 2)"}));
        QCOMPARE(dialogs.warningTexts(),
                 QStringList{"Colors imported from 'five.txt': 2\n\n"
                             "Lines that hold no color, skipped: 1\n"
                             "line 2: not a color; write RGB(r, g, b), #RRGGBB or r g b\n\n"
                             "Colors left out because the list is full (it holds 32767 at "
                             "most): 3"});
    }

    void importOnAFullListTellsTheUserFirst() {
        fill(QStringList(MaxListEntries, QStringLiteral("RGB(0, 0, 0)")));
        dialogs.palettesToOpen << temporary->filePath("never.gpl");
        QTest::keyClick(&list, Qt::Key_Menu);
        QTest::keyClick(&menu(), Qt::Key_I);
        QCOMPARE(dialogs.openChooserShown, 0);
        QCOMPARE(list.count(), MaxListEntries);
        QCOMPARE(dialogs.warningTexts(),
                 QStringList{"The list is full: it holds 32767 colors, the most it can keep. "
                             "Delete colors to make room for imported ones."});
    }

    void importOfAFileWithoutColorsImportsNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing") << "missing.gpl"
                                 << "'missing.gpl' does not exist.\n\nNothing was imported.";
        QTest::newRow("a folder") << "sub"
                                  << "'sub' is a folder, not a file.\n\n"
                                     "Nothing was imported.";
        QTest::newRow("no colors") << "empty.gpl"
                                   << "'empty.gpl' holds no colors.\n\nNothing was imported.";
        QTest::newRow("no readable colors")
            << "bad.txt"
            << "'bad.txt' holds no colors that can be read (line 1: '256' is more than 255).\n\n"
               "Nothing was imported.";
    }
    void importOfAFileWithoutColorsImportsNothing() {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QVERIFY(QDir(temporary->path()).mkpath("sub"));
        QVERIFY(putFile(temporary->filePath("empty.gpl"), "GIMP Palette\nName: Empty\n#\n"));
        QVERIFY(putFile(temporary->filePath("bad.txt"), "256 0 0\n"));
        dialogs.palettesToOpen << temporary->filePath(name);
        open(Opening::RightClick);
        QTest::keyClick(&menu(), Qt::Key_I);
        QCOMPARE(list.entries(), (QStringList{"RGB(1, 1, 1)", "RGB(2, 2, 2)"}));
        QCOMPARE(dialogs.warningTexts(), QStringList{warning});
    }

    void cancelledChoosersChangeNothing() {
        open(Opening::MenuKey);
        QTest::keyClick(&menu(), Qt::Key_I);
        open(Opening::MenuKey);
        QTest::keyClick(&menu(), Qt::Key_E);
        QCOMPARE(dialogs.openChooserShown, 1);
        QCOMPARE(dialogs.saveChooserShown, 1);
        QCOMPARE(list.entries(), (QStringList{"RGB(1, 1, 1)", "RGB(2, 2, 2)"}));
        QVERIFY(dialogs.warnings.isEmpty() && dialogs.informs.isEmpty());
        QCOMPARE(QDir(temporary->path()).entryList(QDir::Files), QStringList{});
    }

    void exportWritesWhatImportReadsBack_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("GIMP") << "round.gpl" << QByteArray("GIMP Palette\nName: round\n");
        QTest::newRow("text") << "round.txt" << QByteArray("RGB(0, 0, 0)\n");
    }
    void exportWritesWhatImportReadsBack() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        const QStringList colors{"RGB(0, 0, 0)", "RGB(255, 128, 1)", "RGB(17, 34, 51)"};
        fill(colors);
        const QString path = temporary->filePath(name);
        dialogs.palettesToSave << path;
        open(Opening::ShiftF10);
        QTest::keyClick(&menu(), Qt::Key_E);
        QVERIFY(dialogs.warnings.isEmpty() && dialogs.informs.isEmpty());
        QVERIFY2(fileBytes(path).startsWith(start), fileBytes(path).constData());
        QCOMPARE(list.entries(), colors);

        list.clear();
        dialogs.palettesToOpen << path;
        open(Opening::ShiftF10);
        QTest::keyClick(&menu(), Qt::Key_I);
        QCOMPARE(list.entries(), colors);
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void exportSkipsEntriesThatAreNoColor() {
        fill({"RGB(1, 2, 3)", "junk", "RGB(4, 5)", "RGB(300, -4, 6)"});
        const QString path = temporary->filePath("some.txt");
        dialogs.palettesToSave << path;
        open(Opening::MenuKey);
        QTest::keyClick(&menu(), Qt::Key_E);
        QCOMPARE(fileBytes(path), QByteArray("RGB(1, 2, 3)\nRGB(255, 0, 6)\n"));
        QCOMPARE(dialogs.warningTexts(), QStringList{"Colors exported to 'some.txt': 2\n\n"
                                                     "Entries that are no color, skipped: 2"});
        QCOMPARE(dialogs.warnings[0].title, QStringLiteral("Export Colors"));
    }

    void exportThatFailsKeepsWhatWasThere_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warningStart");
        QTest::newRow("missing folder") << QStringList{"RGB(1, 1, 1)"} << "gone/x.gpl"
                                        << "'x.gpl' cannot be written: ";
        QTest::newRow("a file where the folder should be")
            << QStringList{"RGB(1, 1, 1)"} << "kept.gpl/x.gpl"
            << "'x.gpl' cannot be written: ";
        QTest::newRow("no entry is a color")
            << QStringList{"junk"} << "kept.gpl"
            << "No entry is a color, so 'kept.gpl' was not written.";
    }
    void exportThatFailsKeepsWhatWasThere() {
        QFETCH(QStringList, entries);
        QFETCH(QString, name);
        QFETCH(QString, warningStart);
        const QByteArray kept("GIMP Palette\n1 2 3\n");
        QVERIFY(putFile(temporary->filePath("kept.gpl"), kept));
        fill(entries);
        dialogs.palettesToSave << temporary->filePath(name);
        open(Opening::MenuKey);
        QTest::keyClick(&menu(), Qt::Key_E);
        QCOMPARE(dialogs.warnings.size(), 1);
        const QString text = dialogs.warnings[0].text;
        QVERIFY2(text.startsWith(warningStart), qPrintable(text));
        QVERIFY2(text.endsWith(".\n\nThe colors were not exported."), qPrintable(text));
        QCOMPARE(fileBytes(temporary->filePath("kept.gpl")), kept);
        QCOMPARE(QDir(temporary->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"kept.gpl"});
    }

    void exportOfAnEmptyListSaysSo() {
        list.clear();
        open(Opening::MenuKey);
        QTest::keyClick(&menu(), Qt::Key_E);
        QCOMPARE(dialogs.saveChooserShown, 0);
        QCOMPARE(dialogs.informs,
                 QStringList{"The color list is empty; there is nothing to export."});
    }
};

CHROMAFLICK_TEST_MAIN(PaletteMenuTest)
#include "tst_palettemenu.moc"
