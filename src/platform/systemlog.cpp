#include "platform/systemlog.h"

#include <QString>
#include <syslog.h>

void tellSystemLog(const QString& line) {
    // The name must outlive every later call.
    static const bool opened = [] {
        openlog("chromaflick", LOG_PID, LOG_USER);
        return true;
    }();
    (void)opened;
    syslog(LOG_INFO, "%s", line.toUtf8().constData());
}
