#include "shell/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    VL32V1 window;
    window.show();
    return QApplication::exec();
}
