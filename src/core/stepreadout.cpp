#include "core/stepreadout.h"

#include "core/colorentry.h"

#include <QCoreApplication>

namespace {

QString entryOf(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return FormatColorEntry(c.red, c.green, c.blue);
}

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(StepReadout)
};

} // namespace

QString stepReadout(const NumberedStep& shown, std::optional<double> refreshRate) {
    QString colors;
    if (const auto* solid = std::get_if<SolidStep>(&shown.step))
        colors = entryOf(solid->color);
    else if (const auto* gradient = std::get_if<GradientStep>(&shown.step))
        colors = Texts::tr("%1 to %2")
                     .arg(entryOf(gradient->firstColor), entryOf(gradient->secondColor));
    QString text = Texts::tr("%1, step %2").arg(colors).arg(shown.number);
    if (refreshRate)
        text = Texts::tr("%1, %2 Hz").arg(text).arg(*refreshRate, 0, 'f', 2);
    return text;
}
