#include "frame.h"

#include "work_dir.h"

#include "app/window_table.h"

#include <QFile>

TestFrame::TestFrame() : VL32V1(createToolWindow)
{
    // Start-up window 9 opens none; the rest as a first start writes it.
    QFile setup(QStringLiteral("setup.dat"));
    if (!setup.exists() && setup.open(QIODevice::WriteOnly))
        setup.write(le16(0) + padded("9", 10) + le16(9) + le16(0) +
                    padded("C:\\WINDOWS\\sndrec32.exe", 50) + padded("c:\\WINDOWS\\DING.WAV", 50));
    setup.close();
    show();
    QApplication::setActiveWindow(this);
}

QWidget *TestFrame::openByCommand(const QString &command, ToolWindowId id)
{
    auto *action = findChild<QAction *>(command);
    if (!action)
        return nullptr;
    action->trigger();
    QApplication::processEvents();
    return toolWindow(id);
}
