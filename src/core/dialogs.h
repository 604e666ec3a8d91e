#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The modal boxes, the color picker and the file choosers the program shows. The program shows real
// ones; tests answer them through their own implementation, so no test waits on a user.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // OK only, warning icon, with a title of its own.
    virtual void warn(const QString& title, const QString& text) = 0;
    // OK only, no icon, the application title.
    virtual void inform(const QString& text) = 0;
    // Yes and No, no icon, Yes the default, the application title; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // Yes and No, warning icon, No the default, the application title; true for Yes.
    virtual bool confirmRisk(const QString& text) = 0;
    // The chosen color as 0x00BBGGRR, or nothing when the picker was closed without a choice.
    virtual std::optional<std::int32_t> pickColor() = 0;
    // The palette file to read, or nothing when the user cancelled.
    virtual std::optional<QString> choosePaletteToOpen() = 0;
    // The palette file to write, with the suffix of the chosen kind when the name had none
    // (GIMP's ".gpl" unless plain text was chosen), or nothing when the user cancelled.
    virtual std::optional<QString> choosePaletteToSave() = 0;
    // Whether the common error report is open at this moment.
    bool isShowingReport() const { return reportsShowing_ > 0; }
    // The program is ending without a user to answer: every open box closes as if cancelled, and
    // from now on none is shown. Reports go to stderr, questions are answered No and the picker
    // chooses nothing.
    virtual void endForGood() = 0;

    // Counts the common error report as open for as long as it lives.
    class ReportShowing {
    public:
        explicit ReportShowing(Dialogs& dialogs) : dialogs_(dialogs) { ++dialogs_.reportsShowing_; }
        ~ReportShowing() { --dialogs_.reportsShowing_; }
        ReportShowing(const ReportShowing&) = delete;
        ReportShowing& operator=(const ReportShowing&) = delete;

    private:
        Dialogs& dialogs_;
    };

private:
    int reportsShowing_ = 0;
};
