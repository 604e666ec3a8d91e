#pragma once

#include <QObject>

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that they
// close the program the way its close box does.
class CloseSignals : public QObject {
    Q_OBJECT
public:
    explicit CloseSignals(QObject* parent = nullptr);
    ~CloseSignals() override;

signals:
    void closeRequested();
};
