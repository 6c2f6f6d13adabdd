#include "program_start.h"

#include <QDir>
#include <QProcess>

namespace ProgramStart {

QStringList splitCommandLine(const QString &commandLine)
{
    return QProcess::splitCommand(commandLine);
}

bool start(const QString &program, const QStringList &arguments, WindowMode mode)
{
    Q_UNUSED(mode); // a desktop on Linux places the new program's windows itself
    if (program.trimmed().isEmpty())
        return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QDir::currentPath());
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
}

bool startCommandLine(const QString &commandLine, WindowMode mode)
{
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return start(program, words, mode);
}

} // namespace ProgramStart
