#pragma once

#include <QObject>
#include <QString>
#include <optional>

// Keeps the desktop's screensaver and screen blanking away, through the session bus's
// org.freedesktop.ScreenSaver service, for as long as it is held. Without a session bus or the
// service it does nothing. Calls never wait for an answer, so the program never stalls on them.
class ScreenSaverInhibitor : public QObject {
    Q_OBJECT
public:
    explicit ScreenSaverInhibitor(QObject* parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void hold(const QString& reason);
    void release();

private:
    void unInhibit(uint cookie);

    bool wanted_ = false;
    std::optional<uint> cookie_;
};
