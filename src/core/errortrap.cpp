#include "core/errortrap.h"

#include "core/dialogs.h"

#include <QCoreApplication>

namespace {

const QString supportAddress = QStringLiteral("support@varnhollow.example");

QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

QString errorReportText(const QString& description, const QString& location, int line) {
    return description + QLatin1String("\r\n") + location +
           QCoreApplication::translate("ErrorReport", "at line %1").arg(line) +
           QLatin1String("\r\r") +
           QCoreApplication::translate("ErrorReport",
                                       "Please email screenshot of this message to %1")
               .arg(supportAddress);
}

void ReportError(Dialogs& dialogs, const QString& description, const QString& location, int line) {
    const Dialogs::ReportShowing showing(dialogs);
    dialogs.warn(QCoreApplication::translate("ErrorReport", "Application Error"),
                 errorReportText(description, location, line));
}

ErrorTrap::ErrorTrap(Dialogs& dialogs, const QString& windowAndHandler)
    : dialogs_(dialogs),
      location_(QLatin1String("in Tintrova2021/08/31.") + windowAndHandler + QLatin1Char(' ')) {}

void ErrorTrap::reportUnknown() {
    report(QCoreApplication::translate("ErrorReport", "Unknown failure"));
}

void ErrorTrap::report(const QString& description) {
    ReportError(dialogs_, oneLine(description), location_, line_);
}
