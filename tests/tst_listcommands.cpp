#include "core/errortrap.h"
#include "core/storedlist.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/colorlistview.h"
#include "ui/form1.h"
#include "ui/listcommands.h"

#include <QApplication>
#include <QtTest>

namespace {

QString report(const QString& description, const char* handler, int line) {
    return errorReportText(description,
                           QStringLiteral("in Tintrova2021/08/31.Form1.") + handler + " ", line);
}

const QString clearQuestion = QStringLiteral("Are you sure you want to clear the list?");
const QString defaultsQuestion =
    QStringLiteral("Are you sure you want to clear the list and load the default colors?");

} // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT

    ColorListView list;
    ScriptedDialogs dialogs;
    ColorListCommands commands{list, dialogs};

    void fill(const QStringList& entries) {
        list.clear();
        list.append(entries);
    }

private slots:
    void init() {
        list.clear();
        dialogs = ScriptedDialogs();
    }

    void addAppendsThePickedColor() {
        fill({"RGB(1, 1, 1)"});
        dialogs.pickedColors << 0xFF0000 << 16744448 << 16744448;
        commands.PushButton1_Click();
        commands.PushButton1_Click();
        commands.PushButton1_Click();
        QCOMPARE(list.entries(), (QStringList{"RGB(1, 1, 1)", "RGB(0, 0, 255)", "RGB(0, 128, 255)",
                                              "RGB(0, 128, 255)"}));
        QCOMPARE(list.selectedRow(), -1);
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void addClosedWithoutAChoiceAppendsNothing() {
        fill({"a"});
        dialogs.pickedColors << std::nullopt;
        commands.PushButton1_Click();
        QCOMPARE(dialogs.pickerShown, 1);
        QCOMPARE(list.entries(), QStringList{"a"});
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void addReportsAPickerThatFails() {
        dialogs.failNextPicker = true;
        commands.PushButton1_Click();
        QCOMPARE(dialogs.warningTexts(), QStringList{report("The color picker could not be shown",
                                                            "PushButton1_Click", 102)});
        QCOMPARE(list.count(), 0);
    }

    void addOnAFullListTellsTheUser() {
        fill(QStringList(MaxListEntries, QStringLiteral("RGB(0, 0, 0)")));
        dialogs.pickedColors << 0x00FF00;
        commands.PushButton1_Click();
        QCOMPARE(dialogs.pickerShown, 0);
        QCOMPARE(list.count(), MaxListEntries);
        QCOMPARE(dialogs.informs.size(), 1);
        QVERIFY(dialogs.informs[0].contains("32767"));
        list.removeAt(0);
        commands.PushButton1_Click();
        QCOMPARE(list.count(), MaxListEntries);
        QCOMPARE(list.entries().last(), QStringLiteral("RGB(0, 255, 0)"));
    }

    void deleteRemovesTheSelectedEntry() {
        fill({"1", "2", "3", "4", "5"});
        list.selectRow(2);
        commands.PushButton3_Click();
        QCOMPARE(list.entries(), (QStringList{"1", "2", "4", "5"}));
        QCOMPARE(list.selectedRow(), -1);
        QVERIFY(dialogs.warnings.isEmpty() && dialogs.questions.isEmpty());
    }

    void deleteOnAnEmptyListShowsNothing() {
        commands.PushButton3_Click();
        QVERIFY(dialogs.warnings.isEmpty());
    }

    void deleteWithoutASelectionIsReported() {
        fill({"1", "2"});
        commands.PushButton3_Click();
        QCOMPARE(dialogs.warningTexts(),
                 QStringList{report("No color is selected", "PushButton3_Click", 104)});
        QCOMPARE(list.count(), 2);
    }

    void clearAsksFirst_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("No keeps the list") << false << QStringList{"a", "b"};
        QTest::newRow("Yes empties it") << true << QStringList{};
    }
    void clearAsksFirst() {
        QFETCH(bool, answer);
        QFETCH(QStringList, after);
        fill({"a", "b"});
        dialogs.answers << answer;
        commands.PushButton4_Click();
        QCOMPARE(dialogs.questions, QStringList{clearQuestion});
        QCOMPARE(list.entries(), after);
    }

    void clearGoesOnAfterAFailingQuestion() {
        fill({"a"});
        dialogs.failNextQuestion = true;
        commands.PushButton4_Click();
        QCOMPARE(dialogs.warningTexts(),
                 QStringList{report("The question could not be shown", "PushButton4_Click", 100)});
        QCOMPARE(list.count(), 0);
    }

    void defaultsAskFirst_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("No keeps the list") << false << QStringList{"a", "b", "c"};
        QTest::newRow("Yes loads the seven") << true << DefaultColorList();
    }
    void defaultsAskFirst() {
        QFETCH(bool, answer);
        QFETCH(QStringList, after);
        fill({"a", "b", "c"});
        dialogs.answers << answer;
        commands.PushButton5_Click();
        QCOMPARE(dialogs.questions, QStringList{defaultsQuestion});
        QCOMPARE(list.entries(), after);
    }

    void defaultsReportAFailingQuestionAndLoad() {
        dialogs.failNextQuestion = true;
        commands.PushButton5_Click();
        QCOMPARE(dialogs.warningTexts(),
                 QStringList{report("The question could not be shown", "PushButton5_Click", 100)});
        QCOMPARE(list.entries(), DefaultColorList());
    }

    void entriesShowASwatchOfTheirColor_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QVariant>("swatch");
        QTest::newRow("orange") << "RGB(255, 127, 0)" << QVariant(QColor(255, 127, 0));
        QTest::newRow("no blanks") << "RGB(0,0,255)" << QVariant(QColor(0, 0, 255));
        QTest::newRow("above 255") << "RGB(300, 0, 0)" << QVariant(QColor(255, 0, 0));
        QTest::newRow("no color") << "abc" << QVariant();
        QTest::newRow("two components") << "RGB(1, 2)" << QVariant();
    }
    void entriesShowASwatchOfTheirColor() {
        QFETCH(QString, entry);
        QFETCH(QVariant, swatch);
        fill({entry});
        const QModelIndex index = list.model()->index(0, 0);
        QCOMPARE(list.model()->data(index, Qt::DecorationRole), swatch);
        QCOMPARE(list.model()->data(index, Qt::DisplayRole).toString(), entry);
        QCOMPARE(list.entries(), QStringList{entry});
    }

    void bothQuestionsAreAskedOnAnEmptyList() {
        commands.PushButton4_Click();
        commands.PushButton5_Click();
        QCOMPARE(dialogs.questions, (QStringList{clearQuestion, defaultsQuestion}));
    }
};

CHROMAFLICK_TEST_MAIN(ListCommandsTest)
#include "tst_listcommands.moc"
