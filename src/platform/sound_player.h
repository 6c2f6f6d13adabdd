#pragma once

#include "program_start.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// The outside sound program that plays and records wave files. Windows name it by a path of
// their settings and start it with the command line: program + " /play /end " + sound file.
// Where the configured program is the Windows sound recorder and that path does not exist here,
// the first player (or recorder) found on the system takes its place, and the Windows default
// sound file becomes the chime installed beside this program.
namespace SoundPlayer {

// A program with its arguments, ready to start; an empty program when none can be started.
struct Command
{
    QString program;
    QStringList arguments;
    // The file a recording goes to; empty when the recorder chooses it.
    QString recording{};
    // No program because no system player (or recorder) is installed.
    bool noneInstalled = false;

    static Command missing()
    {
        Command none;
        none.noneInstalled = true;
        return none;
    }
};

// What play() starts. The program part is split as a command line is (double quotes group
// words) unless the whole text names an existing file; the sound file is always one argument.
// Both may carry the padding of their stored fields.
Command playCommand(const QString &soundProgram, const QString &soundFile);

// What a Recording starts: the recorder at recorderPath when it exists, otherwise the first
// system recorder found, writing a new timestamped .wav file in directory.
Command recordCommand(const QString &recorderPath, const QString &directory);

// true when the program was started; it runs on its own and is not waited for.
bool start(const Command &command, ProgramStart::WindowMode mode);
bool play(const QString &soundProgram, const QString &soundFile, ProgramStart::WindowMode mode);

// For the user, when no system player or recorder is installed: the packages that provide one.
QString installHint();

// A recording by a command-line recorder, which runs without a window of its own until it is
// stopped or ends by itself. Stopping asks it to end (SIGTERM), which the recorders take as the
// end of the recording: they complete the file. A recording still running when this goes is
// stopped too.
class Recording : public QObject
{
    Q_OBJECT

public:
    explicit Recording(QObject *parent = nullptr);
    ~Recording() override;

    // false when the recorder did not start.
    bool start(const Command &command);
    // Returns once the recorder has ended.
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    // The file the last recording went to, as its command named it.
    QString file() const { return m_file; }

signals:
    // The recorder ended, stopped or by itself.
    void finished();

private:
    QProcess m_process;
    QString m_file;
};

// The short chime shipped with the program; empty text when it is not there.
QString chimePath();

// Folders searched for the system players and recorders instead of PATH (tests); an empty list
// searches PATH again.
void setSearchPath(const QStringList &folders);

} // namespace SoundPlayer
