#include "shell/main_window.h"
#include "shell/program_icon.h"

#include <QApplication>
#ifdef VELMORA_QUIT_WHEN_SHOWN
#include <QTimer>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(programIcon());
    VL32V1 window;
    window.show();
#ifdef VELMORA_QUIT_WHEN_SHOWN
    // The start-up benchmark's build: leave as soon as the frame has been shown.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return QApplication::exec();
}
