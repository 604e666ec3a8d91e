#include "ui/palettecommands.h"

#include "core/dialogs.h"
#include "core/failure.h"
#include "core/palettereport.h"
#include "core/storedlist.h"
#include "platform/palettefile.h"
#include "ui/colorlistview.h"
#include "ui/listfulltext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PaletteCommands)
};

// A problem told in a box stands as a sentence of its own.
QString asSentence(const QString& problem) {
    return problem.left(1).toUpper() + problem.mid(1) + u'.';
}

QString importTitle() {
    return Texts::tr("Import Colors");
}

QString exportTitle() {
    return Texts::tr("Export Colors");
}

} // namespace

PaletteCommands::PaletteCommands(ColorListView& list, Dialogs& dialogs)
    : list_(list), dialogs_(dialogs) {}

void PaletteCommands::importColors() {
    if (list_.count() >= MaxListEntries) {
        dialogs_.warn(importTitle(),
                      listFullText(Texts::tr("Delete colors to make room for imported ones.")));
        return;
    }
    const std::optional<QString> path = dialogs_.choosePaletteToOpen();
    if (!path)
        return;
    const PaletteFileReading reading = readPaletteFile(*path, MaxListEntries - list_.count());
    if (!reading.problem.isEmpty()) {
        dialogs_.warn(importTitle(),
                      Texts::tr("%1\n\nNothing was imported.").arg(asSentence(reading.problem)));
        return;
    }
    const QStringList& imported = reading.contents.entries;
    list_.append(imported);
    if (!imported.isEmpty())
        list_.scrollTo(list_.model()->index(list_.count() - 1, 0));
    const QString report = paletteImportReport(QFileInfo(*path).fileName(), reading.contents);
    if (!report.isEmpty())
        dialogs_.warn(importTitle(), report);
}

void PaletteCommands::exportColors() {
    if (list_.count() == 0) {
        dialogs_.inform(Texts::tr("The color list is empty; there is nothing to export."));
        return;
    }
    const std::optional<QString> path = dialogs_.choosePaletteToSave();
    if (!path)
        return;
    const PaletteFileWriting writing = writePaletteFile(*path, list_.entries());
    if (!writing.problem.isEmpty()) {
        dialogs_.warn(
            exportTitle(),
            Texts::tr("%1\n\nThe colors were not exported.").arg(asSentence(writing.problem)));
        return;
    }
    if (writing.skipped > 0) {
        dialogs_.warn(exportTitle(),
                      Texts::tr("Colors exported to %1: %2\n\nEntries that are no color, "
                                "skipped: %3")
                          .arg(quotedForMessage(QFileInfo(*path).fileName()))
                          .arg(list_.count() - writing.skipped)
                          .arg(writing.skipped));
    }
}
