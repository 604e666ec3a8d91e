#include "core/applicationtitle.h"

namespace {

QString& title() {
    static QString text;
    return text;
}

} // namespace

QString applicationTitleFor(const QString& name) {
    constexpr int longest = 40;
    QString title = name;
    do {
        const qsizetype lastBlank = title.lastIndexOf(QLatin1Char(' '));
        if (lastBlank < 0)
            break;
        title.truncate(lastBlank);
    } while (title.size() > longest);
    return title;
}

void SetAppTitle() {
    setApplicationTitle(applicationTitleFor(ProductName));
}

void setApplicationTitle(const QString& text) {
    title() = text;
}

QString applicationTitle() {
    return title();
}
