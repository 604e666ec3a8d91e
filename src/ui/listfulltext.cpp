#include "ui/listfulltext.h"

#include "core/storedlist.h"

#include <QCoreApplication>

QString listFullText(const QString& advice) {
    return QCoreApplication::translate(
               "ColorList", "The list is full: it holds %1 colors, the most it can keep.")
               .arg(MaxListEntries) +
           u' ' + advice;
}
