#include "pty_pair.h"

#include <QDir>

PtyPair::PtyPair(const QString &folder, const QString &firstLink, const QString &secondLink)
{
    const QDir dir(folder);
    const auto end = [&dir](const QString &link) {
        return QStringLiteral("pty,raw,echo=0,link=") + dir.filePath(link);
    };
    m_socat.setProgram(QStringLiteral("socat"));
    m_socat.setArguments(
        {QStringLiteral("-d"), QStringLiteral("-d"), end(firstLink), end(secondLink)});
    m_socat.setProcessChannelMode(QProcess::SeparateChannels);
    m_socat.start();
    if (!m_socat.waitForStarted()) {
        m_error = QStringLiteral("socat did not start: ") + m_socat.errorString();
        return;
    }
    // socat reports on its error channel once both ends and their links exist.
    m_socat.setReadChannel(QProcess::StandardError);
    QByteArray log;
    while (!log.contains("starting data transfer loop")) {
        if (!m_socat.waitForReadyRead(10000)) {
            m_error = QStringLiteral("socat did not set up the pair: ") +
                      QString::fromLocal8Bit(log + m_socat.readAllStandardError());
            return;
        }
        log += m_socat.readAllStandardError();
    }
    m_ready = true;
}

PtyPair::~PtyPair()
{
    if (m_socat.state() == QProcess::NotRunning)
        return;
    m_socat.terminate();
    if (!m_socat.waitForFinished(5000)) {
        m_socat.kill();
        m_socat.waitForFinished(5000);
    }
}
