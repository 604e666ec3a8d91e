#include "loadedform.h"
#include "platform/translations.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/flashsession.h"
#include "ui/form1.h"
#include "ui/form2.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty for a finished one
};

QList<Message> readCatalog(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QString catalogPath(const QString& language) {
    return QStringLiteral(TRANSLATIONS_DIR "/chromaflick_%1.ts").arg(language);
}

QSet<QString> keysOf(const QList<Message>& messages) {
    QSet<QString> keys;
    for (const Message& message : messages)
        keys.insert(message.context + QStringLiteral(" | ") + message.source);
    return keys;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

// What a control has left for its caption once the style has drawn its frame or indicator;
// nullopt for a control without a caption.
std::optional<int> roomForCaption(QWidget* control) {
    QStyle* style = control->style();
    if (auto* box = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The title is inset by the same margin at both ends of the frame.
        return box->width() - 2 * label.left();
    }
    QStyleOptionButton option;
    option.initFrom(control);
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        option.text = radio->text();
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        option.text = button->text();
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width() -
               margin;
    }
    return std::nullopt;
}

QString captionOf(QWidget* control) {
    if (auto* box = qobject_cast<QGroupBox*>(control))
        return box->title();
    return static_cast<QAbstractButton*>(control)->text();
}

const char* const captionedControls[] = {"Frame1",      "Frame2",      "Frame3",      "Frame4",
                                         "Option1",     "Option2",     "Option3",     "Option4",
                                         "Option5",     "Option6",     "PushButton1", "PushButton2",
                                         "PushButton3", "PushButton4", "PushButton5"};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void catalogIsComplete_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }
    void catalogIsComplete() {
        QFETCH(QString, language);
        const QList<Message> messages = readCatalog(catalogPath(language));
        QVERIFY2(!messages.isEmpty(), qPrintable(catalogPath(language)));
        for (const Message& message : messages) {
            const QString where = message.context + QStringLiteral(": ") + message.source;
            QVERIFY2(message.type.isEmpty(),
                     qPrintable(message.type + QStringLiteral(" ") + where));
            QVERIFY2(!message.translation.trimmed().isEmpty(), qPrintable(where));
            QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                     qPrintable(QStringLiteral("placeholders differ: ") + where));
        }
    }

    // lupdate run afresh over the sources must find exactly the texts the catalog holds.
    void catalogHoldsEveryTextOfTheSources_data() { catalogIsComplete_data(); }
    void catalogHoldsEveryTextOfTheSources() {
        QFETCH(QString, language);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh_%1.ts").arg(language));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(LUPDATE),
                      {QStringLiteral("@" TRANSLATED_SOURCES), QStringLiteral("-I"),
                       QStringLiteral(SOURCE_DIR), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"),
                       fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());
        const QSet<QString> found = keysOf(readCatalog(fresh));
        const QSet<QString> held = keysOf(readCatalog(catalogPath(language)));
        QVERIFY(!found.isEmpty());
        const QStringList missing = QSet<QString>(found).subtract(held).values();
        const QStringList stale = QSet<QString>(held).subtract(found).values();
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("not in the catalog: ") + missing.join(" || ")));
        QVERIFY2(stale.isEmpty(),
                 qPrintable(QStringLiteral("no longer in the sources: ") + stale.join(" || ")));
    }

    void languageOfTheLocaleIsLoaded_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("addColor");
        QTest::addColumn<QString>("yes");
        QTest::newRow("German") << "de_DE" << true << "Farbe hinzufügen"
                                << "&Ja";
        QTest::newRow("French") << "fr_FR" << true << "Ajouter une couleur"
                                << "&Oui";
        QTest::newRow("English") << "en_US" << false << "Add Color"
                                 << "&Yes";
    }
    void languageOfTheLocaleIsLoaded() {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        QFETCH(QString, addColor);
        QFETCH(QString, yes);
        const ProgramTranslations translations{QLocale(locale)};
        QCOMPARE(translations.hasProgramTexts(), translated);
        QCOMPARE(QCoreApplication::translate("Form1", "Add Color"), addColor);
        // The boxes' buttons come from Qt's own catalog.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
    }

    void everyCaptionFitsItsControl_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("control");
        for (const char* locale : {"de_DE", "fr_FR", "en_US"}) {
            for (const char* control : captionedControls)
                QTest::addRow("%s %s", locale, control) << locale << control;
        }
    }
    void everyCaptionFitsItsControl() {
        QFETCH(QString, locale);
        QFETCH(QString, control);
        const ProgramTranslations translations{QLocale(locale)};
        ScriptedDialogs dialogs;
        UserSettingsStore store;
        Form1 form(dialogs, store);
        auto* widget = form.findChild<QWidget*>(control);
        QVERIFY(widget);
        const QString caption = captionOf(widget);
        const auto room = roomForCaption(widget);
        QVERIFY(room);
        const int needed = widget->fontMetrics().horizontalAdvance(caption);
        QVERIFY2(needed <= *room, qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3 px")
                                                 .arg(caption)
                                                 .arg(needed)
                                                 .arg(*room)));
    }

    void storedValuesStayEnglish_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("French") << "fr_FR";
    }
    void storedValuesStayEnglish() {
        QFETCH(QString, locale);
        const ProgramTranslations translations{QLocale(locale)};
        QVERIFY(translations.hasProgramTexts());
        Loaded main({});
        main.child<QRadioButton>("Option2")->click();
        main.child<QRadioButton>("Option4")->click();
        main.child<QRadioButton>("Option6")->click();
        main.child<QLineEdit>("Text1")->setText(QStringLiteral("250"));
        main.form->show();
        QVERIFY(main.form->close());
        QVERIFY(main.dialogs.warnings.isEmpty());
        QCOMPARE(storedValue("Option1"), QStringLiteral("False"));
        QCOMPARE(storedValue("Option2"), QStringLiteral("True"));
        QCOMPARE(storedValue("Option3"), QStringLiteral("False"));
        QCOMPARE(storedValue("Option4"), QStringLiteral("True"));
        QCOMPARE(storedValue("Option5"), QStringLiteral("False"));
        QCOMPARE(storedValue("Option6"), QStringLiteral("True"));
        QCOMPARE(storedValue("Text1"), QStringLiteral("250"));
        const QStringList defaults{"RGB(255, 0, 0)",  "RGB(255, 127, 0)", "RGB(255, 255, 0)",
                                   "RGB(0, 255, 0)",  "RGB(0, 0, 255)",   "RGB(75, 0, 130)",
                                   "RGB(143, 0, 255)"};
        QCOMPARE(storedValue("Colors"), defaults.join(StoredSeparator) + StoredSeparator);
    }

    void storeReadsBackInAnotherLanguage_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("reader");
        QTest::newRow("German, then English") << "de_DE"
                                              << "en_US";
        QTest::newRow("English, then German") << "en_US"
                                              << "de_DE";
        QTest::newRow("French, then English") << "fr_FR"
                                              << "en_US";
        QTest::newRow("English, then French") << "en_US"
                                              << "fr_FR";
    }
    void storeReadsBackInAnotherLanguage() {
        QFETCH(QString, writer);
        QFETCH(QString, reader);
        const QString list =
            "RGB(1, 2, 3)" + StoredSeparator + "RGB(250, 128, 7)" + StoredSeparator;
        QMap<QString, QString> written;
        {
            const ProgramTranslations translations{QLocale(writer)};
            Loaded main({{"Colors", list}});
            main.child<QRadioButton>("Option2")->click();
            main.child<QRadioButton>("Option4")->click();
            main.child<QLineEdit>("Text1")->setText(QStringLiteral("120"));
            main.form->show();
            QVERIFY(main.form->close());
            for (const char* key : {"Colors", "Option1", "Option2", "Option3", "Option4", "Option5",
                                    "Option6", "Text1"}) {
                // Options never clicked are not stored at all.
                if (const QString value = storedValue(key); !value.isNull())
                    written.insert(key, value);
            }
        }
        const ProgramTranslations translations{QLocale(reader)};
        Loaded main(written);
        QVERIFY(main.dialogs.warnings.isEmpty());
        QCOMPARE(main.entries(), (QStringList{"RGB(1, 2, 3)", "RGB(250, 128, 7)"}));
        QVERIFY(main.selected("Option2"));
        QVERIFY(main.selected("Option4"));
        QVERIFY(main.selected("Option5"));
        QCOMPARE(main.child<QLineEdit>("Text1")->text(), QStringLiteral("120"));
        main.form->show();
        QVERIFY(main.form->close());
        for (auto it = written.begin(); it != written.end(); ++it)
            QCOMPARE(storedValue(it.key()), it.value());
    }

    // A screen reader reads these; in English they are the designed captions.
    void accessibleNames_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("delayField");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("flashDescription");
        QTest::newRow("English")
            << "en_US"
            << "Milliseconds Delay Between Each Color"
            << "RGB Colors"
            << "In the flash, Escape leaves it and typing hide hides its texts. Space pauses and "
               "resumes; while paused, Right or Page Down shows the next color, Left or Page Up "
               "the previous one, Home the first one of the list.";
        QTest::newRow("German") << "de_DE"
                                << "Pause zwischen den Farben in Millisekunden"
                                << "RGB-Farben"
                                << "Im Blinken beendet Escape es, und wer hide tippt, blendet "
                                   "seine Texte aus. Leertaste hält an und setzt fort; angehalten "
                                   "zeigt Rechts oder Bild ab die nächste Farbe, Links oder Bild "
                                   "auf die vorige, Pos1 die erste der Liste.";
        QTest::newRow("French") << "fr_FR"
                                << "Délai entre les couleurs en millisecondes"
                                << "Couleurs RVB"
                                << "Pendant le clignotement, Échap le quitte et taper hide masque "
                                   "ses textes. Espace met en pause et reprend ; en pause, Droite "
                                   "ou Page suivante montre la couleur suivante, Gauche ou Page "
                                   "précédente la précédente, Début la première de la liste.";
    }
    void accessibleNames() {
        QFETCH(QString, locale);
        QFETCH(QString, delayField);
        QFETCH(QString, list);
        QFETCH(QString, flashDescription);
        const ProgramTranslations translations{QLocale(locale)};
        Loaded main({});
        QCOMPARE(main.child<QLineEdit>("Text1")->accessibleName(), delayField);
        QCOMPARE(main.child<QWidget>("ListView1")->accessibleName(), list);
        main.form->show();
        main.child<QPushButton>("PushButton2")->click();
        FlashSession* session = main.form->flashSession();
        QVERIFY(session && !session->views().isEmpty());
        Form2* flash = session->views().first();
        QVERIFY(!flash->accessibleName().isEmpty());
        QCOMPARE(flash->accessibleDescription(), flashDescription);
        flash->close();
        main.form->close();
    }
};

CHROMAFLICK_TEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
