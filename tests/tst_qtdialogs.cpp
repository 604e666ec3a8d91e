#include "core/apptitle.h"
#include "platform/qtdialogs.h"
#include "testsupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

// Runs the given answer on the next modal window as soon as it shows.
void answerNextBox(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start(10);
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
};

CHROMAFLICK_TEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
