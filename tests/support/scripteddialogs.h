#pragma once

#include "core/dialogs.h"
#include "core/failure.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <utility>

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
    QQueue<bool> answers;                             // for askYesNo; an unscripted question is No
    QQueue<std::optional<std::int32_t>> pickedColors; // for pickColor; unscripted is a cancel
    int pickerShown = 0;
    // Makes the next question or picker fail as a platform failure would.
    bool failNextQuestion = false;
    bool failNextPicker = false;

    // Runs while each box is up, as the event loop of a real box would run other work.
    std::function<void()> whileShown;

    void warn(const QString& title, const QString& text) override {
        warnings.append({title, text});
        shown();
    }
    void inform(const QString& text) override {
        informs.append(text);
        shown();
    }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        shown();
        if (std::exchange(failNextQuestion, false))
            throw Failure(QStringLiteral("The question could not be shown"));
        return answers.isEmpty() ? false : answers.dequeue();
    }
    QStringList risks;
    QQueue<bool> riskAnswers; // for confirmRisk; an unscripted one is No
    bool confirmRisk(const QString& text) override {
        risks.append(text);
        shown();
        return riskAnswers.isEmpty() ? false : riskAnswers.dequeue();
    }
    std::optional<std::int32_t> pickColor() override {
        ++pickerShown;
        shown();
        if (std::exchange(failNextPicker, false))
            throw Failure(QStringLiteral("The color picker could not be shown"));
        return pickedColors.isEmpty() ? std::nullopt : pickedColors.dequeue();
    }
    QQueue<std::optional<QString>> palettesToOpen; // unscripted is a cancel
    QQueue<std::optional<QString>> palettesToSave; // unscripted is a cancel
    int openChooserShown = 0;
    int saveChooserShown = 0;
    std::optional<QString> choosePaletteToOpen() override {
        ++openChooserShown;
        shown();
        return palettesToOpen.isEmpty() ? std::nullopt : palettesToOpen.dequeue();
    }
    std::optional<QString> choosePaletteToSave() override {
        ++saveChooserShown;
        shown();
        return palettesToSave.isEmpty() ? std::nullopt : palettesToSave.dequeue();
    }
    void endForGood() override { ended = true; }
    bool ended = false;

    void shown() {
        if (whileShown)
            whileShown();
    }

    QStringList warningTexts() const {
        QStringList texts;
        for (const Warning& warning : warnings)
            texts.append(warning.text);
        return texts;
    }
};
