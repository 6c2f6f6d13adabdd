#include "about_box.h"

#include "platform/file_care.h"
#include "platform/placed_controls.h"
#include "platform/twips.h"

#include <QDir>
#include <QLabel>

Form12::Form12(QWidget *parent) : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);
    setTwipsGeometry(this, 1590, 1815, 6090, 2505);
    setFixedSize(size());

    QLabel *title =
        placedLabel(this, "Label1", QStringLiteral("Velmora  (32 bit)"), 960, 240, 4335, 615);
    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setPointSize(18);
    title->setFont(titleFont);
    showAsButtonFace(title);
    // Blue on the button face, or the palette's lighter blue where the face is dark.
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    title->setPalette(palette);
    title->setAlignment(Qt::AlignCenter);

    placedLabel(this, "Label2", QStringLiteral("Your data stays in your own working folder."), 1200,
                1440, 3855, 375);
    placedLabel(this, "Label3", QStringLiteral("Version 1.0 of the 32 bit series"), 1680, 960, 2775,
                255);
    // Where the data files are: the folder the program works in, chosen at start.
    QLabel *folder = placedLabel(this, "Label4",
                                 QStringLiteral("Data folder: ") +
                                     QDir::toNativeSeparators(QDir::currentPath()) +
                                     QStringLiteral("\nDaily backups: ") +
                                     QDir::toNativeSeparators(FileCare::backupFolder()),
                                 240, 1800, 5610, 615);
    folder->setWordWrap(true);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
}
