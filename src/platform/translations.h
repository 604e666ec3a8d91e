#pragma once

#include <QLocale>
#include <QTranslator>

// The program's own texts and Qt's (box buttons, the color picker) in one language, installed
// on the application for as long as this object lives. English needs neither: with no match
// the source texts show.
class ProgramTranslations {
public:
    explicit ProgramTranslations(const QLocale& locale);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    bool hasProgramTexts() const { return programLoaded_; }
    bool hasQtTexts() const { return qtLoaded_; }

private:
    QTranslator program_;
    QTranslator qt_;
    bool programLoaded_ = false;
    bool qtLoaded_ = false;
};
