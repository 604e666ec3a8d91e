#include "core/settingsstore.h"
#include "platform/closesignals.h"
#include "platform/qtdialogs.h"
#include "platform/settingsbacking.h"
#include "platform/translations.h"
#include "ui/form1.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The desktop entry's name is the application id Wayland compositors match windows with.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.varnhollow.Chromaflick"));
    const ProgramTranslations translations(QLocale::system());
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    UserSettingsStore store;
    Form1 form(dialogs, store);

    // Form_Unload: the program ends at once, and every other window with it.
    QObject::connect(&form, &Form1::unloaded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    // Nobody is there to answer a box: the close goes on without one.
    CloseSignals closeSignals;
    QObject::connect(&closeSignals, &CloseSignals::closeRequested, &form,
                     &Form1::requestQuietClose);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.requestQuietClose(); });

    form.load();
    // Closed by a signal while it loaded.
    if (form.hasUnloaded())
        return form.exitStatus();
    form.showCentred();
    return QApplication::exec();
}
