#include "core/applicationtitle.h"

namespace {

QString& title() {
    static QString text;
    return text;
}

} // namespace

void setApplicationTitle(const QString& text) {
    title() = text;
}

QString applicationTitle() {
    return title();
}
