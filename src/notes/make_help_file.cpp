// Writes the help topics that ship with the program: make_help_file SOURCE FOLDER reads the
// readable topics and writes FOLDER/VLhelp.hlp, one record a topic.

#include "help_source.h"
#include "help_store.h"

#include "platform/file_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: make_help_file SOURCE FOLDER\n";
        return 2;
    }
    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << args.at(1) << ": " << source.errorString() << '\n';
        return 1;
    }
    QList<TitledText> topics;
    QString error;
    if (!HelpSource::parse(QString::fromUtf8(source.readAll()), topics, error)) {
        err << args.at(1) << ": " << error << '\n';
        return 1;
    }
    if (!QDir().mkpath(args.at(2)) || !QDir::setCurrent(args.at(2))) {
        err << args.at(2) << ": cannot use this folder\n";
        return 1;
    }
    try {
        HelpStore().create(topics);
    } catch (const FileError &e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}
