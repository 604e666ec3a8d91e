#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QVariant>
#include <functional>
#include <optional>

// One session-bus service that keeps the screen from blanking while held: an inhibit call whose
// answer is the token that a second call hands back to release. Calls never wait for an answer,
// so the program never stalls on a desktop service.
class DBusInhibition : public QObject {
    Q_OBJECT
public:
    // The message that asks to hold, and the one that releases what the token names.
    using InhibitCall = std::function<QDBusMessage(const QString& reason)>;
    using ReleaseCall = std::function<QDBusMessage(const QVariant& token)>;

    DBusInhibition(InhibitCall inhibit, ReleaseCall release, QObject* parent = nullptr);
    ~DBusInhibition() override;

    void hold(const QString& reason);
    void release();

signals:
    // The service's answer to a hold: whether it holds.
    void answered(bool holds);

private:
    void releaseToken(const QVariant& token);

    InhibitCall inhibit_;
    ReleaseCall release_;
    bool wanted_ = false;
    std::optional<QVariant> token_;
};
