#pragma once

#include "core/dialogs.h"

#include <QList>
#include <QPointer>

class QColorDialog;
class QDialog;

// Line breaks as the message texts carry them ("\r\n", or "\r" alone) turned into ones a Qt box
// shows.
QString boxText(const QString& text);

// Real modal boxes, and the one color picker of the program, which keeps its color between uses.
class QtDialogs final : public Dialogs {
public:
    QtDialogs();
    ~QtDialogs() override;

    void warn(const QString& title, const QString& text) override;
    void inform(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool confirmRisk(const QString& text) override;
    std::optional<std::int32_t> pickColor() override;
    bool isShowingBox() const override { return !openBoxes_.isEmpty(); }
    void endForGood() override;

private:
    // Runs the box modally while counting it as open; its result.
    int run(QDialog& box);
    // In place of a box once the program is ending.
    static void toStandardError(const QString& title, const QString& text);

    QList<QPointer<QDialog>> openBoxes_;
    QColorDialog* picker_ = nullptr;
    bool ended_ = false;
};
