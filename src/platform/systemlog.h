#pragma once

class QString;

// One line in the system's log (the journal on a systemd desktop), under the program's name.
void tellSystemLog(const QString& line);
