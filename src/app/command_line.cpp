#include "command_line.h"

#include <QCommandLineParser>

namespace {

// Options of the toolkit itself, taken so that they reach it instead of being refused.
const QStringList ToolkitOptions{QStringLiteral("platform"), QStringLiteral("style"),
                                 QStringLiteral("stylesheet"), QStringLiteral("display")};

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A desktop organiser: appointments, calendars, phone books, reminders, "
                       "lists, notes and more."));
    // "-platform offscreen" as the toolkit writes its options; "-d" still works.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption dataDir(
        {QStringLiteral("d"), QStringLiteral("data-dir")},
        QStringLiteral("Keep the data files in <folder> (created when missing) instead of the "
                       "folder started in (when it holds setup.dat) or ~/.local/share/velmora."),
        QStringLiteral("folder"));
    parser.addOption(dataDir);
    const QCommandLineOption exportIcs(
        QStringLiteral("export-ics"),
        QStringLiteral("Write the appointments, reminders and to-dos to <file> as iCalendar, "
                       "then end; no window opens."),
        QStringLiteral("file"));
    const QCommandLineOption exportVcf(
        QStringLiteral("export-vcf"),
        QStringLiteral("Write both phone books to <file> as vCards, then end."),
        QStringLiteral("file"));
    parser.addOptions({exportIcs, exportVcf});
    for (const QString &name : ToolkitOptions) {
        QCommandLineOption toolkit(name, QString(), QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.action = Action::Refuse;
        line.text = parser.errorText() + u'\n' + parser.helpText();
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = Action::ShowHelp;
        line.text = parser.helpText();
    } else if (parser.isSet(version)) {
        line.action = Action::ShowVersion;
        line.text = QStringLiteral("Velmora 1.0 (Qt %1)\n").arg(QLatin1String(qVersion()));
    } else if (!parser.positionalArguments().isEmpty()) {
        line.action = Action::Refuse;
        line.text = QStringLiteral("Unexpected argument: %1\n")
                        .arg(parser.positionalArguments().constFirst()) +
                    parser.helpText();
    } else {
        line.dataFolder = parser.value(dataDir);
        line.calendarExport = parser.value(exportIcs);
        line.contactsExport = parser.value(exportVcf);
        if (parser.isSet(exportIcs) || parser.isSet(exportVcf))
            line.action = Action::Export;
    }
    return line;
}
