#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ProgramTranslations::ProgramTranslations(const QLocale& locale) {
    // The program's .qm files are built into it, so a copied binary keeps its languages.
    programLoaded_ = program_.load(locale, QStringLiteral("chromaflick"), QStringLiteral("_"),
                                   QStringLiteral(":/translations"));
    qtLoaded_ = qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (programLoaded_)
        QCoreApplication::installTranslator(&program_);
    if (qtLoaded_)
        QCoreApplication::installTranslator(&qt_);
}

ProgramTranslations::~ProgramTranslations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&program_);
}
