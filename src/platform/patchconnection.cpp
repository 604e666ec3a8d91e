#include "platform/patchconnection.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int RetryMilliseconds = 1000;
// A message is a few hundred bytes: one that takes longer than this has stopped coming.
constexpr int StallMilliseconds = 3000;

} // namespace

PatchConnection::PatchConnection(const QString& host, std::uint16_t port, QObject* parent)
    : QObject(parent), host_(host), port_(port) {
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    connect(retry_, &QTimer::timeout, this, &PatchConnection::connectNow);
    stall_ = new QTimer(this);
    stall_->setSingleShot(true);
    connect(stall_, &QTimer::timeout, this, &PatchConnection::stalled);
}

void PatchConnection::connectNow() {
    retry_->stop();
    stall_->stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        wasConnected_ = true;
        emit connected();
    });
    connect(socket_, &QTcpSocket::readyRead, this, [this] { emit received(socket_->readAll()); });
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        if (socket_->bytesAvailable() > 0)
            emit received(socket_->readAll());
        stall_->stop();
        emit closed();
    });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        // A close by the server comes as disconnected as well.
        if (socket_->state() == QAbstractSocket::ConnectedState ||
            socket_->error() == QAbstractSocket::RemoteHostClosedError)
            return;
        dropAndRetry();
    });
    socket_->connectToHost(host_, port_);
}

void PatchConnection::dropAndRetry() {
    stall_->stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
    if (std::exchange(wasConnected_, false))
        emit lost();
    retry_->start(RetryMilliseconds);
}

void PatchConnection::write(const QByteArray& bytes) {
    if (socket_)
        socket_->write(bytes);
}

bool PatchConnection::isConnected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void PatchConnection::setMidMessage(bool midMessage) {
    if (!midMessage)
        stall_->stop();
    else if (!stall_->isActive())
        stall_->start(StallMilliseconds);
}
