#pragma once

#include "core/dialogs.h"

#include <QList>
#include <QPointer>

class QColorDialog;
class QFileDialog;
class QDialog;

// Line breaks as the message texts carry them ("\r\n", or "\r" alone) turned into ones a Qt box
// shows.
QString boxText(const QString& text);

// Real modal boxes, the one color picker of the program, which keeps its color between uses,
// and the palette file choosers, Qt's own so that they look and act alike on every desktop.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    void warn(const QString& title, const QString& text) override;
    void inform(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool confirmRisk(const QString& text) override;
    std::optional<std::int32_t> pickColor() override;
    std::optional<QString> choosePaletteToOpen() override;
    std::optional<QString> choosePaletteToSave() override;
    // Whether one of the boxes above is open at this moment.
    bool isShowingBox() const { return !openBoxes_.isEmpty(); }
    void endForGood() override;

private:
    // Runs the box modally while counting it as open; its result.
    int run(QDialog& box);
    // In place of a box once the program is ending.
    static void toStandardError(const QString& title, const QString& text);
    // Runs the file chooser as the other boxes; the chosen file, or nothing.
    std::optional<QString> choosePalette(QFileDialog& chooser);

    QList<QPointer<QDialog>> openBoxes_;
    QColorDialog* picker_ = nullptr;
    // Kept like the picker: a chooser made afresh brings icons of its own, and Qt's pixmap
    // cache keeps each new one's pixmaps until it is full.
    QFileDialog* opener_ = nullptr;
    QFileDialog* saver_ = nullptr;
    // Where the last palette was opened or saved, so the next choice starts there.
    QString paletteFolder_;
    bool ended_ = false;
};
