#pragma once

#include <QObject>

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that they
// close the program the way its close box does. A signal that the user-interface thread does not
// answer within AnswerSeconds ends the process at once, without writing anything.
class CloseSignals : public QObject {
    Q_OBJECT
public:
    static constexpr unsigned AnswerSeconds = 5;

    explicit CloseSignals(QObject* parent = nullptr);
    ~CloseSignals() override;

signals:
    void closeRequested();
};
