#include "qtdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>

namespace {

class BoxCounter {
public:
    explicit BoxCounter(int& count) : count_(count) { ++count_; }
    ~BoxCounter() { --count_; }
    BoxCounter(const BoxCounter&) = delete;
    BoxCounter& operator=(const BoxCounter&) = delete;

private:
    int& count_;
};

int showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, boxText(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

QString boxText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QtDialogs::QtDialogs() = default;

QtDialogs::~QtDialogs() {
    delete picker_;
}

void QtDialogs::warn(const QString& title, const QString& text) {
    BoxCounter open(openBoxes_);
    showBox(QMessageBox::Warning, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::inform(const QString& text) {
    BoxCounter open(openBoxes_);
    showBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
            QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text) {
    BoxCounter open(openBoxes_);
    return showBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDialogs::confirmRisk(const QString& text) {
    BoxCounter open(openBoxes_);
    return showBox(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::int32_t> QtDialogs::pickColor() {
    BoxCounter open(openBoxes_);
    if (!picker_) {
        picker_ = new QColorDialog(Qt::black);
        picker_->setOption(QColorDialog::DontUseNativeDialog);
    }
    const QColor before = picker_->currentColor();
    if (picker_->exec() != QDialog::Accepted) {
        // Browsing without choosing must not change the color the next use starts from.
        picker_->setCurrentColor(before);
        return std::nullopt;
    }
    const QColor chosen = picker_->selectedColor();
    picker_->setCurrentColor(chosen);
    return chosen.red() + 256 * chosen.green() + 65536 * chosen.blue();
}
