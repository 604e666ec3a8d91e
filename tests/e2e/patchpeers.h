#pragma once

#include "steplog.h"

#include <QColor>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// The peers a patch window is driven by in these suites: ArgyllCMS's own programs and the
// suite's helper scripts, each on a port of its own.

// A helper script of tests/e2e/patch, started and told to be listening; null when it was not.
std::unique_ptr<QProcess>
startPatchScript(const QString& script, const QStringList& arguments,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
void stopPeer(QProcess* process);
// A port nobody listens on, different for every server of the run.
int freshPort();

// ArgyllCMS's dispwin serving red, half green and blue through its web display, once each, with
// a proxy between it and the window that writes down when every request arrives.
class ArgyllColors {
public:
    explicit ArgyllColors(const QString& requestsPath);
    ~ArgyllColors();
    bool start();
    QString url() const;
    bool finished() const;
    bool endedWell() const;
    // The colors as dispwin sends them, in 8 bits a channel.
    static QList<QColor> colors();
    // What is wrong with the acknowledgements: each request after the first must tell the color
    // of the row before it, and reach the server no earlier than that row was shown; every row
    // told shown, with the display's refresh counter where it counts refreshes. Empty when
    // nothing is wrong.
    QString acknowledgementFault(const QList<LogRow>& rows, bool counted) const;

private:
    QString requestsPath_;
    int argyllPort_;
    int proxyPort_;
    QProcess argyll_;
    std::unique_ptr<QProcess> proxy_;
};
