#include "core/applicationtitle.h"
#include "core/errortrap.h"
#include "platform/qtdialogs.h"
#include "testsupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Runs the given answer on the next modal window as soon as it shows (one other than except).
void answerNextBox(std::function<void(QWidget*)> answer, QWidget* except = nullptr) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer, except] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && box != except) {
            poll->stop();
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start(10);
}

// Types a name into a file chooser as a user does. (selectFile() leaves the field alone once it
// has the focus, which the window gets at a moment of its own.)
void typeName(QFileDialog* chooser, const QString& name) {
    auto* field = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    field->setText(name);
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

    QtDialogs dialogs;

private slots:
    void initTestCase() { SetAppTitle(); }

    void errorBoxIsAWarningWithItsOwnTitle() {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool openMeanwhile = false;
        answerNextBox([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            openMeanwhile = dialogs.isShowingBox();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.warn("Application Error", "D\r\nin L at line 100\r\rPlease");
        QCOMPARE(title, QStringLiteral("Application Error"));
        QCOMPARE(text, QStringLiteral("D\nin L at line 100\n\nPlease"));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(openMeanwhile);
        QVERIFY(!dialogs.isShowingBox());
    }

    // The flash holds its ticks back for the error report alone.
    void onlyTheErrorReportCountsAsAReport_data() {
        QTest::addColumn<bool>("report");
        QTest::newRow("question") << false;
        QTest::newRow("error report") << true;
    }
    void onlyTheErrorReportCountsAsAReport() {
        QFETCH(bool, report);
        bool reportMeanwhile = !report;
        answerNextBox([&](QWidget* widget) {
            reportMeanwhile = dialogs.isShowingReport();
            widget->close();
        });
        if (report)
            ReportError(dialogs, "Broken", "in here ", 100);
        else
            dialogs.askYesNo("Clear the list?");
        QCOMPARE(reportMeanwhile, report);
        QVERIFY(!dialogs.isShowingReport());
    }

    void questionsDefaultToYes_data() {
        QTest::addColumn<bool>("pressYes");
        QTest::newRow("Return takes Yes") << true;
        QTest::newRow("No") << false;
    }
    void questionsDefaultToYes() {
        QFETCH(bool, pressYes);
        QString title;
        QMessageBox::Icon icon = QMessageBox::Warning;
        answerNextBox([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            title = box->windowTitle();
            icon = box->icon();
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            if (pressYes)
                box->defaultButton()->click();
            else
                box->button(QMessageBox::No)->click();
        });
        QCOMPARE(dialogs.askYesNo("Are you sure?"), pressYes);
        QCOMPARE(title, QStringLiteral("Chromaflick"));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void riskQuestionsDefaultToNo() {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        answerNextBox([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            icon = box->icon();
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            box->defaultButton()->click();
        });
        QVERIFY(!dialogs.confirmRisk("Start anyway?"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void pickerKeepsItsColorAcrossUses() {
        answerNextBox([](QWidget* widget) {
            auto* picker = qobject_cast<QColorDialog*>(widget);
            QCOMPARE(picker->currentColor(), QColor(Qt::black));
            QVERIFY(picker->testOption(QColorDialog::DontUseNativeDialog));
            picker->setCurrentColor(QColor(0, 128, 255));
            picker->accept();
        });
        QCOMPARE(dialogs.pickColor(), std::optional<std::int32_t>(16744448));

        // Browsing to another color and cancelling gives nothing and keeps the chosen color.
        answerNextBox([](QWidget* widget) {
            auto* picker = qobject_cast<QColorDialog*>(widget);
            QCOMPARE(picker->currentColor(), QColor(0, 128, 255));
            picker->setCurrentColor(Qt::red);
            picker->reject();
        });
        QCOMPARE(dialogs.pickColor(), std::nullopt);
        QColor startedWith;
        answerNextBox([&](QWidget* widget) {
            auto* picker = qobject_cast<QColorDialog*>(widget);
            startedWith = picker->currentColor();
            picker->accept();
        });
        QCOMPARE(dialogs.pickColor(), std::optional<std::int32_t>(16744448));
        QCOMPARE(startedWith, QColor(0, 128, 255));
    }

    void openChooserGivesTheChosenFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath("warm.gpl");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QString title;
        QStringList filters;
        bool ownDialog = false, openMeanwhile = false;
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            title = chooser->windowTitle();
            filters = chooser->nameFilters();
            ownDialog = chooser->testOption(QFileDialog::DontUseNativeDialog);
            openMeanwhile = dialogs.isShowingBox();
            QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptOpen);
            typeName(chooser, path);
            // As its Open or Save button does.
            static_cast<QDialog*>(chooser)->accept();
        });
        QCOMPARE(dialogs.choosePaletteToOpen(), std::optional<QString>(path));
        QCOMPARE(title, QStringLiteral("Import Colors"));
        QCOMPARE(filters, (QStringList{"GIMP palette (*.gpl)", "Text (*.txt)", "All files (*)"}));
        QVERIFY(ownDialog);
        QVERIFY(openMeanwhile);
        QVERIFY(!dialogs.isShowingBox());

        // The next chooser starts where the last choice was made.
        QString startedIn;
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            startedIn = chooser->directory().absolutePath();
            chooser->reject();
        });
        QCOMPARE(dialogs.choosePaletteToSave(), std::nullopt);
        QCOMPARE(startedIn, QDir(folder.path()).absolutePath());
    }

    void saveChooserSuffixesByTheChosenKind_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("GIMP by default") << -1 << "warm"
                                         << "warm.gpl";
        QTest::newRow("text chosen") << 1 << "warm"
                                     << "warm.txt";
        QTest::newRow("GIMP chosen") << 0 << "warm"
                                     << "warm.gpl";
        QTest::newRow("a suffix of its own") << 1 << "warm.pal"
                                             << "warm.pal";
    }
    void saveChooserSuffixesByTheChosenKind() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir folder;
        QStringList filters;
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            filters = chooser->nameFilters();
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Export Colors"));
            QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(chooser->testOption(QFileDialog::DontUseNativeDialog));
            chooser->setDirectory(folder.path());
            if (filter >= 0)
                chooser->selectNameFilter(chooser->nameFilters().at(filter));
            typeName(chooser, typed);
            // As its Open or Save button does.
            static_cast<QDialog*>(chooser)->accept();
        });
        QCOMPARE(dialogs.choosePaletteToSave(), std::optional<QString>(folder.filePath(chosen)));
        QCOMPARE(filters, (QStringList{"GIMP palette (*.gpl)", "Text (*.txt)"}));
    }

    // The name is suffixed before the chooser asks, so the question is about the right file.
    void saveChooserAsksBeforeReplacingTheSuffixedFile_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("Yes replaces") << true;
        QTest::newRow("No keeps choosing") << false;
    }
    void saveChooserAsksBeforeReplacingTheSuffixedFile() {
        QFETCH(bool, replace);
        QTemporaryDir folder;
        const QString existing = folder.filePath("warm.gpl");
        QVERIFY(QFile(existing).open(QIODevice::WriteOnly));
        QString question;
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            chooser->setDirectory(folder.path());
            typeName(chooser, "warm");
            answerNextBox(
                [&](QWidget* box) {
                    auto* ask = qobject_cast<QMessageBox*>(box);
                    QVERIFY(ask);
                    question = ask->text();
                    ask->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                },
                chooser);
            // As its Open or Save button does.
            static_cast<QDialog*>(chooser)->accept();
            if (chooser->isVisible())
                chooser->reject();
        });
        const std::optional<QString> chosen = dialogs.choosePaletteToSave();
        QVERIFY2(question.contains("warm.gpl"), qPrintable(question));
        QCOMPARE(chosen, replace ? std::optional<QString>(existing) : std::nullopt);
    }

    // What is no regular file is not "replaced": the chooser hands it on without a question,
    // and the export refuses it by its kind.
    void saveChooserAsksNothingAboutWhatIsNoFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("FIFO") << "pipe.gpl";
        QTest::newRow("link to a FIFO") << "to-pipe.gpl";
        QTest::newRow("device") << "device.gpl";
        QTest::newRow("link to a device") << "to-device.gpl";
    }
    void saveChooserAsksNothingAboutWhatIsNoFile() {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe.gpl")).constData(), 0600), 0);
        QVERIFY(QFile::link(folder.filePath("pipe.gpl"), folder.filePath("to-pipe.gpl")));
        if (name.contains("device")) {
            if (::mknod(QFile::encodeName(folder.filePath("device.gpl")).constData(),
                        S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("no right to make a device node");
            QVERIFY(QFile::link(folder.filePath("device.gpl"), folder.filePath("to-device.gpl")));
        }
        // Any question the chooser asks is seen and answered No, so the test ends either way.
        bool asked = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = true;
                question->button(QMessageBox::No)->click();
            }
        });
        watch.start(10);
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            chooser->setDirectory(folder.path());
            typeName(chooser, name);
            static_cast<QDialog*>(chooser)->accept();
            if (chooser->isVisible())
                chooser->reject();
        });
        const std::optional<QString> chosen = dialogs.choosePaletteToSave();
        QVERIFY(!asked);
        QCOMPARE(chosen, std::optional<QString>(folder.filePath(name)));
    }

    void endingClosesAnOpenChooserAndShowsNoMore_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("open") << false;
        QTest::newRow("save") << true;
    }
    void endingClosesAnOpenChooserAndShowsNoMore() {
        QFETCH(bool, save);
        QtDialogs ending;
        const auto choose = [&] {
            return save ? ending.choosePaletteToSave() : ending.choosePaletteToOpen();
        };
        answerNextBox([&](QWidget* widget) {
            auto* chooser = qobject_cast<QFileDialog*>(widget);
            typeName(chooser, "/tmp");
            ending.endForGood();
        });
        QCOMPARE(choose(), std::nullopt);
        QVERIFY(!ending.isShowingBox());
        QCOMPARE(choose(), std::nullopt);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

CHROMAFLICK_TEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
