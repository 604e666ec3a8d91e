#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

class QTcpSocket;
class QTimer;

// A TCP connection to a server that may not be there yet: tried again every second until it
// answers, and dropped when the bytes of one message stop coming half way.
class PatchConnection : public QObject {
    Q_OBJECT
public:
    PatchConnection(const QString& host, std::uint16_t port, QObject* parent = nullptr);

    void connectNow();
    // Drops the connection and tries again in a second.
    void dropAndRetry();
    void write(const QByteArray& bytes);
    bool isConnected() const;
    // While part of a message has come: the rest must follow within the stall limit.
    void setMidMessage(bool midMessage);

signals:
    void connected();
    void received(const QByteArray& bytes);
    // The server closed the connection; what it sent before has all been received.
    void closed();
    void stalled();
    // Not there, or gone: false once per loss, not at every retry.
    void lost();

private:
    QString host_;
    std::uint16_t port_;
    QTcpSocket* socket_ = nullptr;
    QTimer* retry_ = nullptr;
    QTimer* stall_ = nullptr;
    bool wasConnected_ = false;
};
