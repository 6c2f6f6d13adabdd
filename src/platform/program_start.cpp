#include "program_start.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace ProgramStart {

QStringList splitCommandLine(const QString &commandLine)
{
    return QProcess::splitCommand(commandLine);
}

QStringList commandWords(const QString &commandLine)
{
    const QString whole = commandLine.trimmed();
    if (!whole.isEmpty() && QFileInfo(whole).isFile())
        return {whole};
    return splitCommandLine(commandLine);
}

void setUp(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(QDir::currentPath());
    process.setStandardInputFile(QProcess::nullDevice());
}

bool start(const QString &program, const QStringList &arguments, WindowMode mode)
{
    Q_UNUSED(mode); // a desktop on Linux places the new program's windows itself
    if (program.trimmed().isEmpty())
        return false;
    QProcess process;
    setUp(process, program, arguments);
    return process.startDetached();
}

bool startCommandLine(const QString &commandLine, WindowMode mode)
{
    QStringList words = commandWords(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return start(program, words, mode);
}

} // namespace ProgramStart
