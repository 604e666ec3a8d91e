#pragma once

#include "dialogs.h"

#include <QPointer>

class QColorDialog;

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
    bool isShowingBox() const override { return openBoxes_ > 0; }

private:
    int openBoxes_ = 0;
    QColorDialog* picker_ = nullptr;
};
