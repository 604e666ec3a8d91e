#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers the program's boxes from a script and keeps what they showed.
class ScriptedDialogs final : public Dialogs {
public:
    struct Warning {
        QString title;
        QString text;
    };

    QList<Warning> warnings;
    QStringList informs;
    QStringList questions;
    QQueue<bool> answers;                          // for askYesNo; an unscripted question is No
    QQueue<std::optional<std::int32_t>> pickedColors; // for pickColor; unscripted is a cancel
    int pickerShown = 0;

    void warn(const QString& title, const QString& text) override {
        warnings.append({title, text});
    }
    void inform(const QString& text) override { informs.append(text); }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        return answers.isEmpty() ? false : answers.dequeue();
    }
    std::optional<std::int32_t> pickColor() override {
        ++pickerShown;
        return pickedColors.isEmpty() ? std::nullopt : pickedColors.dequeue();
    }
    bool isShowingBox() const override { return false; }

    QStringList warningTexts() const {
        QStringList texts;
        for (const Warning& warning : warnings)
            texts.append(warning.text);
        return texts;
    }
};
