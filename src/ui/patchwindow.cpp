#include "ui/patchwindow.h"

#include "core/colorvalue.h"
#include "core/patch.h"
#include "platform/clockmicroseconds.h"
#include "platform/patchlink.h"
#include "ui/flashsession.h"
#include "ui/form2.h"

#include <QScreen>
#include <cstdio>

namespace {

QString optionName(const PatchAddress& address) {
    return address.protocol == PatchAddress::Protocol::Resolve ? QStringLiteral("--resolve")
                                                               : QStringLiteral("--web-display");
}

} // namespace

PatchWindow::PatchWindow(const FlashSource& screens, Dialogs& dialogs,
                         std::unique_ptr<PatchLink> link)
    : screens_(screens), session_(std::make_unique<FlashSession>(*this, dialogs)),
      link_(std::move(link)) {
    session_->setPatchMode(true);
    // One refresh a patch at least; each stays until the next comes.
    session_->setHeldRefreshes(1);
    connect(session_.get(), &FlashSession::closed, this, &PatchWindow::finished);
    // Whichever tells first: a row that says the display never reported the patch must not
    // leave the program waiting either.
    connect(session_.get(), &FlashSession::patchShown, this, &PatchWindow::shown);
    connect(session_.get(), &FlashSession::stepShown, this, &PatchWindow::shown);
    connect(link_.get(), &PatchLink::patchArrived, this, &PatchWindow::show);
    connect(link_.get(), &PatchLink::connectedChanged, this, &PatchWindow::connectedChanged);
    connect(link_.get(), &PatchLink::trouble, this,
            [this](const QString& problem) { tell(tr("%1; connecting again").arg(problem)); });
}

PatchWindow::~PatchWindow() = default;

void PatchWindow::setDuration(std::optional<std::chrono::milliseconds> duration) {
    session_->setDuration(duration);
}

void PatchWindow::setLog(FrameLogFile* log) {
    session_->setLog(log);
}

FlashSettings PatchWindow::flashSettings() const {
    FlashSettings settings;
    // No delay: nothing ticks, the program sends.
    settings.delayText = QStringLiteral("0");
    return settings;
}

QList<QScreen*> PatchWindow::flashScreens() const {
    return screens_.flashScreens().mid(0, 1);
}

void PatchWindow::open() {
    session_->showFlash();
    connectedChanged(false);
    link_->start();
}

void PatchWindow::close() {
    session_->close();
}

void PatchWindow::tell(const QString& line) const {
    std::fprintf(stderr, "chromaflick: %s: %s\n", qPrintable(optionName(link_->address())),
                 qPrintable(line));
}

void PatchWindow::connectedChanged(bool connected) {
    const QString server = link_->address().text();
    if (connected) {
        session_->setHintText(tr("Showing the patches of %1. Press ESCape key to leave. Type "
                                 "'hide' to hide this text.")
                                  .arg(server));
        return;
    }
    awaitingShowing_ = false;
    session_->showUnlogged(SolidStep{WaitingColor});
    session_->setHintText(
        tr("Waiting for %1. Press ESCape key to leave. Type 'hide' to hide this text.")
            .arg(server));
}

void PatchWindow::show(const Patch& patch) {
    if (!session_->isVisible())
        return;
    const bool deep = patch.color.bits > 8 || (patch.background && patch.background->bits > 8);
    if (deep && !session_->showsDeepColor() && !std::exchange(roundingTold_, true))
        tell(tr("the screen shows 8 bits a channel: 10-bit levels are rounded to the nearest "
                "8-bit level"));
    const std::int32_t color = nearestColor8(patch.color);
    if (flashWatch_.change(monotonicMicroseconds() / 1000, color))
        tell(tr("Warning: these patches change fast enough to flash more than three times a "
                "second, which can trigger seizures in people with photosensitive epilepsy"));
    const QSize pixels = session_->views().front()->devicePixelSize();
    const PixelRect whole{0, 0, pixels.width(), pixels.height()};
    const PixelRect rectangle = patchRectangle(patch.geometry, pixels.width(), pixels.height());
    if (!deep && !patch.background && rectangle == whole)
        session_->showPatch(SolidStep{color});
    else
        session_->showPatch(PatchStep{patch.color, patch.background, rectangle});
    awaitingShowing_ = true;
}

void PatchWindow::shown(const StepShown& row) {
    // The program may read once the patch it sent last is on the screen, and not before.
    if (!awaitingShowing_ || session_->hasWaitingPatch() || row.step != session_->stepNumber())
        return;
    awaitingShowing_ = false;
    link_->acknowledge(row.firstColor);
}
