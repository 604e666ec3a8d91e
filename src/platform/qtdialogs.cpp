#include "platform/qtdialogs.h"

#include "core/applicationtitle.h"
#include "core/colorvalue.h"
#include "platform/regularfile.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <memory>

QString boxText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() {
    delete picker_;
    delete opener_;
    delete saver_;
}

int QtDialogs::run(QDialog& box) {
    const QPointer<QWidget> owner = QApplication::activeWindow();
    openBoxes_.append(&box);
    const int result = box.exec();
    openBoxes_.removeAll(&box);
    // Without a window manager the keyboard would go to the root window; the window the box
    // came over takes it back, with its own focus widget.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return result;
}

void QtDialogs::toStandardError(const QString& title, const QString& text) {
    std::fprintf(stderr, "chromaflick: %s: %s\n", qPrintable(title),
                 qPrintable(boxText(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
}

namespace {

std::unique_ptr<QMessageBox> makeBox(QMessageBox::Icon icon, const QString& title,
                                     const QString& text, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton) {
    auto box = std::make_unique<QMessageBox>(icon, title, boxText(text), buttons,
                                             QApplication::activeWindow());
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(defaultButton);
    return box;
}

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(QtDialogs)
};

// The kinds of palette file, the default first.
struct PaletteKind {
    QString filter;
    QString suffix;
};

QList<PaletteKind> paletteKinds() {
    return {{Texts::tr("GIMP palette (*.gpl)"), QStringLiteral("gpl")},
            {Texts::tr("Text (*.txt)"), QStringLiteral("txt")}};
}

QStringList filtersOf(const QList<PaletteKind>& kinds) {
    QStringList filters;
    for (const PaletteKind& kind : kinds)
        filters << kind.filter;
    return filters;
}

// A save chooser that gives a name without a suffix the one of the chosen kind. It does so as
// the user accepts, before it asks whether to replace a file of the suffixed name.
class PaletteSaveChooser final : public QFileDialog {
public:
    explicit PaletteSaveChooser(const QString& title)
        : QFileDialog(nullptr, title), kinds_(paletteKinds()) {
        setOption(DontUseNativeDialog);
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
        setNameFilters(filtersOf(kinds_));
        setDefaultSuffix(kinds_.constFirst().suffix);
    }

    void accept() override {
        for (const PaletteKind& kind : kinds_) {
            if (kind.filter == selectedNameFilter())
                setDefaultSuffix(kind.suffix);
        }
        // A device or a FIFO is not "replaced": no question, the export refuses it by its kind.
        const QStringList chosen = selectedFiles();
        const bool refused = !chosen.isEmpty() &&
                             !unreplaceableFileReason(chosen.constFirst()).isEmpty() &&
                             !QFileInfo(chosen.constFirst()).isDir();
        setOption(DontConfirmOverwrite, refused);
        QFileDialog::accept();
        setOption(DontConfirmOverwrite, false);
    }

private:
    const QList<PaletteKind> kinds_;
};

} // namespace

void QtDialogs::warn(const QString& title, const QString& text) {
    if (ended_)
        return toStandardError(title, text);
    auto box = makeBox(QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
    run(*box);
}

void QtDialogs::inform(const QString& text) {
    if (ended_)
        return toStandardError(applicationTitle(), text);
    auto box =
        makeBox(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
    run(*box);
}

bool QtDialogs::askYesNo(const QString& text) {
    if (ended_)
        return false;
    auto box = makeBox(QMessageBox::NoIcon, applicationTitle(), text,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return run(*box) == QMessageBox::Yes;
}

bool QtDialogs::confirmRisk(const QString& text) {
    if (ended_)
        return false;
    auto box = makeBox(QMessageBox::Warning, applicationTitle(), text,
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return run(*box) == QMessageBox::Yes;
}

std::optional<std::int32_t> QtDialogs::pickColor() {
    if (ended_)
        return std::nullopt;
    if (!picker_) {
        picker_ = new QColorDialog(Qt::black);
        picker_->setOption(QColorDialog::DontUseNativeDialog);
    }
    const QColor before = picker_->currentColor();
    // Ended while open, the picker counts as closed without a choice.
    if (run(*picker_) != QDialog::Accepted || ended_) {
        // Browsing without choosing must not change the color the next use starts from.
        picker_->setCurrentColor(before);
        return std::nullopt;
    }
    const QColor chosen = picker_->selectedColor();
    picker_->setCurrentColor(chosen);
    return colorFromQColor(chosen);
}

std::optional<QString> QtDialogs::choosePalette(QFileDialog& chooser) {
    if (paletteFolder_.isEmpty())
        paletteFolder_ = QDir::homePath();
    chooser.setDirectory(paletteFolder_);
    chooser.selectNameFilter(chooser.nameFilters().constFirst());
    chooser.selectFile(QString());
    // Over the window it is opened from, and no window's child between uses, so that it
    // outlives every window.
    QWidget* over = QApplication::activeWindow();
    // Still the active window from its last use, it cannot be its own parent.
    if (over == &chooser || chooser.isAncestorOf(over))
        over = nullptr;
    chooser.setParent(over, chooser.windowFlags());
    const int result = run(chooser);
    chooser.setParent(nullptr, chooser.windowFlags());
    // Ended while open, the chooser counts as cancelled.
    if (result != QDialog::Accepted || ended_ || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = chooser.selectedFiles().constFirst();
    paletteFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::optional<QString> QtDialogs::choosePaletteToOpen() {
    if (ended_)
        return std::nullopt;
    if (!opener_) {
        opener_ = new QFileDialog(nullptr, Texts::tr("Import Colors"));
        // Qt's own dialog behaves the same on every desktop, and a test can drive it.
        opener_->setOption(QFileDialog::DontUseNativeDialog);
        opener_->setFileMode(QFileDialog::ExistingFile);
        opener_->setNameFilters(filtersOf(paletteKinds()) << Texts::tr("All files (*)"));
    }
    return choosePalette(*opener_);
}

std::optional<QString> QtDialogs::choosePaletteToSave() {
    if (ended_)
        return std::nullopt;
    if (!saver_)
        saver_ = new PaletteSaveChooser(Texts::tr("Export Colors"));
    return choosePalette(*saver_);
}

void QtDialogs::endForGood() {
    ended_ = true;
    for (const QPointer<QDialog>& box : openBoxes_) {
        if (!box)
            continue;
        // A box of the box, such as the file chooser's question before replacing a file, would
        // keep the event loop of its owner waiting.
        for (QDialog* inner : box->findChildren<QDialog*>())
            inner->reject();
        box->reject();
    }
}
