#include "app/form1.h"
#include "app/settingsstore.h"
#include "platform/closesignals.h"
#include "platform/qtdialogs.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    SettingsStore store;
    Form1 form(dialogs, store);

    // Form_Unload: the program ends at once, and every other window with it.
    QObject::connect(&form, &Form1::unloaded, &application, [] { QCoreApplication::exit(0); });
    CloseSignals closeSignals;
    QObject::connect(&closeSignals, &CloseSignals::closeRequested, &form, &QWidget::close);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.close(); });

    form.Form_Load();
    form.showCentred();
    return QApplication::exec();
}
