#include "platform/webdisplaylink.h"

#include "core/webdisplayreply.h"
#include "platform/patchconnection.h"

WebDisplayLink::WebDisplayLink(const PatchAddress& address, QObject* parent)
    : PatchLink(parent), address_(address), shownColor_(WaitingColor) {
    connection_ = new PatchConnection(address.host, address.port, this);
    connect(connection_, &PatchConnection::connected, this, [this] {
        answer_.clear();
        connection_->write(webDisplayRequest(address_.host, shownColor_));
        if (!std::exchange(connected_, true))
            emit connectedChanged(true);
    });
    connect(connection_, &PatchConnection::received, this, [this](const QByteArray& bytes) {
        answer_ += bytes;
        read(false);
    });
    connect(connection_, &PatchConnection::closed, this, [this] { read(true); });
    connect(connection_, &PatchConnection::stalled, this,
            [this] { fault(tr("the server stopped in the middle of its answer")); });
    connect(connection_, &PatchConnection::lost, this, [this] {
        // The window is grey again, and the next server is told so.
        shownColor_ = WaitingColor;
        if (std::exchange(connected_, false))
            emit connectedChanged(false);
    });
}

void WebDisplayLink::start() {
    connection_->connectNow();
}

void WebDisplayLink::acknowledge(std::int32_t shownColor) {
    shownColor_ = shownColor;
    connection_->connectNow();
}

void WebDisplayLink::read(bool ended) {
    if (ended && answer_.isEmpty()) {
        // Closed without a word: the server is going away.
        connection_->dropAndRetry();
        return;
    }
    const WebDisplayReading reading = readWebDisplayReply(answer_, ended);
    switch (reading.state) {
    case WebDisplayReading::State::Incomplete:
        connection_->setMidMessage(!answer_.isEmpty());
        return;
    case WebDisplayReading::State::Bad:
        fault(reading.problem);
        return;
    case WebDisplayReading::State::Color:
        connection_->setMidMessage(false);
        answer_.clear();
        emit patchArrived(*reading.patch);
        return;
    }
}

void WebDisplayLink::fault(const QString& problem) {
    answer_.clear();
    emit trouble(problem);
    connection_->dropAndRetry();
}
