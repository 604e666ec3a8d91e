// Runs from a folder of its own: it puts the optional skin and cursor files beside itself.
#include "core/errortrap.h"
#include "loadedform.h"
#include "platform/files.h"
#include "ui/appearance.h"
#include "ui/pointerstate.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QGroupBox>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtEndian>
#include <QtTest>

namespace {

const QString loadLocation = QStringLiteral("in Tintrova2021/08/31.Form1.Form_Load ");

QString besideProgram(const QString& name) {
    return programFolder() + "/" + name;
}

// A 32 x 32 cursor file with its hot spot at (5, 9).
QByteArray cursorFile() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        return {};
    QByteArray bytes = buffer.data();
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(5, bytes.data() + 6 + 4);
    qToLittleEndian<quint16>(9, bytes.data() + 6 + 6);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        QDir(besideProgram("x")).removeRecursively();
        QFile::remove(besideProgram("HAND-M.CUR"));
        QDir(besideProgram("HAND-M.CUR")).removeRecursively();
    }

    void skinFileRecoloursPlainSurfaces() {
        writeFile(besideProgram("x/o.cjs"), "skin");
        Loaded main({});
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(main.form->palette().color(QPalette::Window), face);
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Option1", "Option2",
                                 "Option3", "Option4", "Option5", "Option6"}) {
            QWidget* widget = main.child<QWidget>(name);
            QCOMPARE(widget->palette().color(widget->backgroundRole()), face);
        }
        QCOMPARE(main.child<QPushButton>("PushButton1")->palette().color(QPalette::Button),
                 QColor(Qt::white));
        QCOMPARE(main.child<QLineEdit>("Text1")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        QVERIFY(main.dialogs.warnings.isEmpty());
        // What is shown, not only what is set: the frames are filled with the face inside too.
        QVERIFY(face != QColor(Qt::white));
        main.form->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(main.form.get()));
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
            const QString fault = frameInsideFault(*main.child<QGroupBox>(name), face);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    void hiddenSkinFileIsNotFound() {
        writeFile(besideProgram("x/.o.cjs"), "skin");
        QVERIFY(!isVisibleFile(besideProgram("x/.o.cjs")));
        QVERIFY(FileExists(besideProgram("x/.o.cjs")));
        Loaded main({});
        QCOMPARE(main.form->palette().color(QPalette::Window), QColor(Qt::white));
    }

    void cursorFileBecomesTheHand() {
        const QByteArray bytes = cursorFile();
        QVERIFY(!bytes.isEmpty());
        writeFile(besideProgram("HAND-M.CUR"), bytes);
        Loaded main({});
        QVERIFY(main.dialogs.warnings.isEmpty());
        QVERIFY(main.form->pointer().hasCustomCursor());
        // Loading changes nothing shown until a button is hovered.
        QCOMPARE(main.form->pointer().state(), PointerState::Default);
        main.form->pointer().hover(PointerState::Custom);
        const QCursor hand = main.form->cursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.hotSpot(), QPoint(5, 9));
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    }

    void fileThatIsNoCursorIsReported_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("description");
        QTest::newRow("text") << QByteArray("not a cursor at all, just some text")
                              << "The file " + besideProgram("HAND-M.CUR") +
                                     " is not a cursor file";
        QTest::newRow("empty") << QByteArray()
                               << "The file " + besideProgram("HAND-M.CUR") +
                                      " is not a cursor file";
    }
    void fileThatIsNoCursorIsReported() {
        QFETCH(QByteArray, content);
        QFETCH(QString, description);
        writeFile(besideProgram("HAND-M.CUR"), content);
        Loaded main({});
        QCOMPARE(main.dialogs.warningTexts(),
                 QStringList{errorReportText(description, loadLocation, 106)});
        QVERIFY(!main.form->pointer().hasCustomCursor());
        // The load went on past the report.
        QCOMPARE(main.form->windowTitle(), QStringLiteral("Chromaflick"));
        QCOMPARE(main.form->ListView1().count(), 7);
    }

    void folderNamedLikeTheCursorIsReported() {
        QDir().mkpath(besideProgram("HAND-M.CUR"));
        Loaded main({});
        QCOMPARE(main.dialogs.warnings.size(), 1);
        QVERIFY(main.dialogs.warnings[0].text.contains("at line 106\r\r"));
    }

    void damagedStoreKeepsACopyAndWritesGoOn() {
        resetStore();
        const QString file = UserSettingsStore().fileName();
        writeFile(file, "[Chromaflick\nText1=250\n[Chromaflick]\nOption2=True\n");
        UserSettingsStore store;
        QVERIFY(QFile::exists(file + ".damaged"));
        QCOMPARE(store.ReadSetting(Keys::CycleOrder), QStringLiteral("True"));
        store.WriteSetting(Keys::Colors, "a" + StoredSeparator);
        QSettings reader(file, QSettings::IniFormat);
        QCOMPARE(reader.status(), QSettings::NoError);
        QCOMPARE(reader.value("Chromaflick/Colors").toString(), "a" + StoredSeparator);
        QFile::remove(file + ".damaged");
    }

    void unwritableStoreIsReportedAtClose() {
        Loaded main({{"Colors", "a" + StoredSeparator}});
        const QString file = main.store.fileName();
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkpath(file));
        QSignalSpy unloaded(main.form.get(), &Form1::unloaded);
        main.form->close();
        QDir(file).removeRecursively();
        QCOMPARE(main.dialogs.warnings.size(), 1);
        QCOMPARE(main.dialogs.warnings[0].text,
                 errorReportText("The settings file " + file +
                                     " could not be written: Filename refers to a directory",
                                 "in Tintrova2021/08/31.Form1.Form_QueryUnload ", 108));
        QCOMPARE(unloaded.size(), 1);
        QCOMPARE(unloaded[0][0].toInt(), 1);
    }
};

CHROMAFLICK_TEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
