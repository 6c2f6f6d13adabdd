#include "sound_player.h"

#include "shipped_files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace SoundPlayer {

namespace {

// How long a recorder is given to complete its file once asked to stop.
constexpr int StopMsecs = 5000;

// The Windows sound recorder and sound file that new preferences name.
const QString WindowsRecorder = QStringLiteral("C:\\WINDOWS\\sndrec32.exe");
const QString WindowsSound = QStringLiteral("c:\\WINDOWS\\DING.WAV");

QStringList &searchPath()
{
    static QStringList folders;
    return folders;
}

// A stored field as a name: without its padding of blanks or never-written bytes.
QString fieldText(const QString &field)
{
    qsizetype first = 0;
    qsizetype last = field.size();
    auto isPadding = [](QChar c) { return c.isSpace() || c.isNull(); };
    while (first < last && isPadding(field.at(first)))
        ++first;
    while (last > first && isPadding(field.at(last - 1)))
        --last;
    return field.mid(first, last - first);
}

// A file name typed in double quotes is the name inside them.
QString unquoted(const QString &name)
{
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        return name.mid(1, name.size() - 2);
    return name;
}

QString findProgram(const QString &name)
{
    if (name.contains(u'/'))
        return QFileInfo(name).isFile() ? name : QString();
    return QStandardPaths::findExecutable(name, searchPath());
}

QString firstFound(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString found = findProgram(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// The Windows default sound file does not exist here; the chime stands in for it.
QString soundFileFor(const QString &file)
{
    if (file.compare(WindowsSound, Qt::CaseInsensitive) == 0 && !QFileInfo(file).isFile())
        return chimePath();
    return file;
}

// The configured program as a program and its own arguments, and whether it exists.
struct Configured
{
    QString program;
    QStringList arguments;
    bool exists = false;
};

Configured configured(const QString &text)
{
    QStringList words = ProgramStart::commandWords(text);
    if (words.isEmpty())
        return {};
    const QString program = words.takeFirst();
    return {program, words, !findProgram(program).isEmpty()};
}

QString newRecordingPath(const QString &directory)
{
    const QDir dir(directory.isEmpty() || !QFileInfo(directory).isDir() ? QDir::currentPath()
                                                                        : directory);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString path = dir.filePath(QStringLiteral("recording-%1.wav").arg(stamp));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("recording-%1-%2.wav").arg(stamp).arg(n));
    return path;
}

} // namespace

Command playCommand(const QString &soundProgram, const QString &soundFile)
{
    const QString programText = fieldText(soundProgram);
    const QString file = soundFileFor(unquoted(fieldText(soundFile)));
    const Configured program = configured(programText);
    if (program.program.isEmpty())
        return {};
    if (!program.exists && programText.compare(WindowsRecorder, Qt::CaseInsensitive) == 0) {
        const QString player = firstFound({"pw-play", "paplay", "aplay"});
        if (player.isEmpty())
            return Command::missing();
        return {player, file.isEmpty() ? QStringList() : QStringList{file}};
    }
    // Started as configured; a program that does not exist fails to start.
    QStringList arguments = program.arguments;
    arguments << QStringLiteral("/play") << QStringLiteral("/end");
    if (!file.isEmpty())
        arguments << file;
    return {program.program, arguments};
}

Command recordCommand(const QString &recorderPath, const QString &directory)
{
    const Configured recorder = configured(fieldText(recorderPath));
    if (recorder.exists)
        return {recorder.program, recorder.arguments};
    const QString found = firstFound({"pw-record", "parecord", "arecord"});
    if (found.isEmpty())
        return Command::missing();
    const QString file = newRecordingPath(directory);
    const QString name = QFileInfo(found).fileName();
    if (name == QLatin1String("parecord"))
        return {found, {QStringLiteral("--file-format=wav"), file}, file};
    if (name == QLatin1String("arecord"))
        return {found,
                {QStringLiteral("-f"), QStringLiteral("cd"), QStringLiteral("-t"),
                 QStringLiteral("wav"), file},
                file};
    return {found, {file}, file};
}

bool start(const Command &command, ProgramStart::WindowMode mode)
{
    return !command.program.isEmpty() &&
           ProgramStart::start(command.program, command.arguments, mode);
}

bool play(const QString &soundProgram, const QString &soundFile, ProgramStart::WindowMode mode)
{
    return start(playCommand(soundProgram, soundFile), mode);
}

QString installHint()
{
    return QStringLiteral("No sound player or recorder is installed: the Debian package "
                          "pipewire-bin, pulseaudio-utils or alsa-utils provides one");
}

Recording::Recording(QObject *parent) : QObject(parent)
{
    connect(&m_process, &QProcess::finished, this, &Recording::finished);
}

Recording::~Recording()
{
    // Whoever listens may be going too.
    blockSignals(true);
    stop();
}

bool Recording::start(const Command &command)
{
    if (isRunning() || command.program.isEmpty())
        return false;
    m_file = command.recording;
    ProgramStart::setUp(m_process, command.program, command.arguments);
    // What the recorder reports goes where the program's own output goes.
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.start();
    return m_process.waitForStarted();
}

void Recording::stop()
{
    if (!isRunning())
        return;
    // The recorders complete the file's header when asked to end; one that does not end in
    // time is killed rather than leaving the window waiting.
    m_process.terminate();
    if (!m_process.waitForFinished(StopMsecs)) {
        m_process.kill();
        m_process.waitForFinished(StopMsecs);
    }
}

QString chimePath()
{
    return ShippedFiles::path(QStringLiteral("velmora-chime.wav"));
}

void setSearchPath(const QStringList &folders)
{
    searchPath() = folders;
}

} // namespace SoundPlayer
