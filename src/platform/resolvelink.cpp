#include "platform/resolvelink.h"

#include "platform/patchconnection.h"

ResolveLink::ResolveLink(const PatchAddress& address, QObject* parent)
    : PatchLink(parent), address_(address) {
    connection_ = new PatchConnection(address.host, address.port, this);
    connect(connection_, &PatchConnection::connected, this, [this] {
        framer_.clear();
        if (!std::exchange(connected_, true))
            emit connectedChanged(true);
    });
    connect(connection_, &PatchConnection::received, this, [this](const QByteArray& bytes) {
        framer_.append(bytes);
        readMessages();
    });
    connect(connection_, &PatchConnection::closed, this, [this] {
        if (framer_.isMidMessage())
            fault(tr("the server closed the connection in the middle of a message"));
        else
            connection_->dropAndRetry();
    });
    connect(connection_, &PatchConnection::stalled, this,
            [this] { fault(tr("the server stopped in the middle of a message")); });
    connect(connection_, &PatchConnection::lost, this, [this] {
        if (std::exchange(connected_, false))
            emit connectedChanged(false);
    });
}

void ResolveLink::start() {
    connection_->connectNow();
}

void ResolveLink::readMessages() {
    for (;;) {
        QString problem;
        const std::optional<QByteArray> message = framer_.next(problem);
        if (!problem.isEmpty()) {
            fault(problem);
            return;
        }
        if (!message)
            break;
        const ResolveReading reading = readResolveMessage(*message);
        if (!reading.patch) {
            fault(reading.problem);
            return;
        }
        emit patchArrived(*reading.patch);
    }
    connection_->setMidMessage(framer_.isMidMessage());
}

void ResolveLink::fault(const QString& problem) {
    framer_.clear();
    emit trouble(problem);
    connection_->dropAndRetry();
}
