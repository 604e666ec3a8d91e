#include "patchpeers.h"

#include <QCoreApplication>
#include <QFile>

std::unique_ptr<QProcess> startPatchScript(const QString& script, const QStringList& arguments,
                                           const QProcessEnvironment& environment) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral("/usr/bin/python3"),
                   QStringList{QStringLiteral(PATCH_SCRIPTS "/") + script} + arguments);
    if (!process->waitForStarted(5000) || !process->waitForReadyRead(10000))
        return nullptr;
    return process;
}

void stopPeer(QProcess* process) {
    if (!process)
        return;
    process->kill();
    process->waitForFinished(5000);
}

int freshPort() {
    static int next = 23000 + int(QCoreApplication::applicationPid() % 2000) * 4;
    return next++;
}

ArgyllColors::ArgyllColors(const QString& requestsPath)
    : requestsPath_(requestsPath), argyllPort_(freshPort()), proxyPort_(freshPort()) {
    argyll_.setProcessChannelMode(QProcess::MergedChannels);
}

ArgyllColors::~ArgyllColors() {
    stopPeer(&argyll_);
    stopPeer(proxy_.get());
}

bool ArgyllColors::start() {
    argyll_.start("dispwin", {QStringLiteral("-dweb:%1").arg(argyllPort_), "-C", "1,0,0", "-C",
                              "0,0.5,0", "-C", "0,0,1"});
    // Not waited for: the window tries every second until the server is up.
    if (!argyll_.waitForStarted(5000))
        return false;
    proxy_ = startPatchScript(
        "webproxy.py", {QString::number(proxyPort_), QString::number(argyllPort_), requestsPath_});
    return proxy_ != nullptr;
}

QString ArgyllColors::url() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(proxyPort_);
}

bool ArgyllColors::finished() const {
    return argyll_.state() == QProcess::NotRunning;
}

bool ArgyllColors::endedWell() const {
    return finished() && argyll_.exitStatus() == QProcess::NormalExit;
}

QList<QColor> ArgyllColors::colors() {
    return {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255)};
}

QString ArgyllColors::acknowledgementFault(const QList<LogRow>& rows, bool counted) const {
    QFile file(requestsPath_);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("no requests were written down");
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    if (lines.size() < rows.size())
        return QStringLiteral("%1 requests for %2 rows").arg(lines.size()).arg(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].missed == u"missed")
            return QStringLiteral("row %1 was never told shown").arg(i + 1);
        if (bool(rows[i].shownMsc) != counted)
            return counted ? QStringLiteral("row %1 has no refresh counter").arg(i + 1)
                           : QStringLiteral("row %1 has a refresh counter where nothing "
                                            "counts refreshes")
                                 .arg(i + 1);
        // Request i + 1 acknowledges row i: it tells that color, after its showing.
        const QList<QByteArray> request = lines[i + 1].split(' ');
        if (request.size() < 3)
            return QStringLiteral("request %1 is cut short").arg(i + 2);
        if (request[0].toLongLong() < rows[i].shownUs)
            return QStringLiteral("request %1 at %2 came before row %3 shown at %4")
                .arg(i + 2)
                .arg(QString::fromLatin1(request[0]))
                .arg(i + 1)
                .arg(rows[i].shownUs);
        const QString asked = QString::fromLatin1(request[2]).toLower();
        const QString told = QStringLiteral("/ajax/messages?%23") + rows[i].first.mid(1);
        if (asked != told)
            return QStringLiteral("request %1 asked %2, not %3").arg(i + 2).arg(asked, told);
    }
    return {};
}
