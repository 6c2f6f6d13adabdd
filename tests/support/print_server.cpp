#include "print_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>

#include <cups/cups.h>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A printer description of two paper sizes that takes PDF as it comes.
QByteArray printerDescription(const QByteArray &defaultPaper)
{
    QByteArray ppd = "*PPD-Adobe: \"4.3\"\n"
                     "*FormatVersion: \"4.3\"\n"
                     "*FileVersion: \"1.0\"\n"
                     "*LanguageVersion: English\n"
                     "*LanguageEncoding: ISOLatin1\n"
                     "*PCFileName: \"TESTPDF.PPD\"\n"
                     "*Manufacturer: \"Test\"\n"
                     "*Product: \"(Test PDF)\"\n"
                     "*ModelName: \"Test PDF\"\n"
                     "*ShortNickName: \"Test PDF\"\n"
                     "*NickName: \"Test PDF\"\n"
                     "*PSVersion: \"(3010.000) 0\"\n"
                     "*cupsFilter2: \"application/pdf application/pdf 0 -\"\n";
    const struct
    {
        QByteArray key, size;
    } papers[] = {{"A4", "595 842"}, {"Letter", "612 792"}};
    for (const QByteArray option : {"PageSize", "PageRegion"}) {
        ppd += "*OpenUI *" + option + ": PickOne\n*Default" + option + ": " + defaultPaper + '\n';
        for (const auto &paper : papers)
            ppd += '*' + option + ' ' + paper.key + ": \"<</PageSize[" + paper.size +
                   "]>>setpagedevice\"\n";
        ppd += "*CloseUI: *" + option + '\n';
    }
    ppd += "*DefaultImageableArea: " + defaultPaper + '\n';
    ppd += "*DefaultPaperDimension: " + defaultPaper + '\n';
    for (const auto &paper : papers) {
        const QList<QByteArray> wh = paper.size.split(' ');
        ppd += "*ImageableArea " + paper.key + ": \"18 36 " +
               QByteArray::number(wh[0].toInt() - 18) + ' ' +
               QByteArray::number(wh[1].toInt() - 36) + "\"\n";
        ppd += "*PaperDimension " + paper.key + ": \"" + paper.size + "\"\n";
    }
    return ppd;
}

// CUPS keeps its programs in sbin, which a user's PATH may leave out.
QString cupsProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(
                                  name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
                            : onPath;
}

} // namespace

PrintServer::PrintServer()
{
    const QString socket = path(QStringLiteral("cups.sock"));
    // Set before anything else, so that even a server that fails to start leaves no way to the
    // machine's own print system.
    cupsSetServer(QFile::encodeName(socket).constData());

    const QString cupsd = cupsProgram(QStringLiteral("cupsd"));
    if (cupsd.isEmpty() || cupsProgram(QStringLiteral("lpadmin")).isEmpty()) {
        m_problem = QStringLiteral("CUPS is not installed (cupsd from cups-daemon, lpadmin from "
                                   "cups-client)");
        return;
    }
    for (const char *dir : {"etc", "spool", "cache", "state", "tmp", "log"})
        QDir(m_dir.path()).mkdir(QLatin1String(dir));
    const QByteArray root = QFile::encodeName(m_dir.path());
    writeFile(path(QStringLiteral("cups-files.conf")),
              "ServerRoot " + root + "/etc\nRequestRoot " + root + "/spool\nCacheDir " + root +
                  "/cache\nStateDir " + root + "/state\nTempDir " + root + "/tmp\nAccessLog " +
                  root + "/log/access_log\nErrorLog " + root + "/log/error_log\nPageLog " + root +
                  "/log/page_log\nFileDevice Yes\n");
    // Anyone on the socket may do anything: the server lives only as long as the test.
    writeFile(path(QStringLiteral("cupsd.conf")),
              "Listen " + QFile::encodeName(socket) +
                  "\nBrowsing No\nDefaultAuthType None\nLogLevel warn\n"
                  "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                  "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n");
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd,
                  {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                   QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    if (!m_cupsd.waitForStarted()) {
        m_problem = QStringLiteral("cupsd could not be started: ") + m_cupsd.errorString();
        return;
    }
    // The scheduler is ready once its socket takes connections.
    const QDeadlineTimer deadline(10000);
    QLocalSocket probe;
    while (true) {
        probe.connectToServer(socket);
        if (probe.waitForConnected(100))
            return;
        if (m_cupsd.waitForFinished(50) || deadline.hasExpired())
            break;
    }
    QFile log(path(QStringLiteral("log/error_log")));
    log.open(QIODevice::ReadOnly);
    m_problem = QStringLiteral("cupsd did not start here: ") +
                QString::fromLocal8Bit(m_cupsd.readAll() + log.readAll()).trimmed();
}

PrintServer::~PrintServer()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000))
            m_cupsd.kill();
        m_cupsd.waitForFinished();
    }
    cupsSetServer(nullptr);
}

bool PrintServer::command(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(cupsProgram(program),
                  QStringList{QStringLiteral("-h"), path(QStringLiteral("cups.sock"))} + arguments);
    const bool done = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                      process.exitCode() == 0;
    // lpadmin also warns on success (printer descriptions are deprecated); only a failure says
    // something the test needs.
    if (!done)
        qWarning("%s: %s", qPrintable(program), process.readAll().constData());
    return done;
}

bool PrintServer::addQueue(const QString &name, const QString &defaultPaper)
{
    const QString ppd = path(name + QStringLiteral(".ppd"));
    // Added without -E: stopped, so the jobs it takes stay in the spool.
    return writeFile(ppd, printerDescription(defaultPaper.toLatin1())) &&
           command(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), name, QStringLiteral("-v"),
                    QStringLiteral("file:///dev/null"), QStringLiteral("-P"), ppd}) &&
           command(QStringLiteral("cupsaccept"), {name});
}

bool PrintServer::makeDefault(const QString &name)
{
    return command(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

bool PrintServer::rejectJobs(const QString &name)
{
    return command(QStringLiteral("cupsreject"), {name});
}

QStringList PrintServer::spooledDocuments() const
{
    const QDir spool(path(QStringLiteral("spool")));
    QStringList documents;
    for (const QString &name : spool.entryList({QStringLiteral("d*")}, QDir::Files, QDir::Name))
        documents.append(spool.filePath(name));
    return documents;
}
