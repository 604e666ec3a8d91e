#include "platform/timeofday.h"

#include <QTime>

double secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
