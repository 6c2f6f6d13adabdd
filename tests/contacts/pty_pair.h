#pragma once

#include <QProcess>
#include <QString>

// Two pseudo-terminals joined by socat, each reachable through a link in a folder: what one
// side writes, the other reads, as over a serial cable.
class PtyPair
{
public:
    // Links are folder/firstLink and folder/secondLink.
    PtyPair(const QString &folder, const QString &firstLink, const QString &secondLink);
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    // false when socat did not start or set up the links; errorText says why.
    bool isReady() const { return m_ready; }
    QString errorText() const { return m_error; }

private:
    QProcess m_socat;
    bool m_ready = false;
    QString m_error;
};
