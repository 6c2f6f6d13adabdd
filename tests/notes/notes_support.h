#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

class QListWidget;

// The control of a window by its name; a missing one fails the test.
template <typename T> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

// Runs the action with printing sent to a PDF and returns the printed text as pdftotext reads
// it; empty when nothing was printed. Skips the test without pdftotext.
QString printedText(const std::function<void()> &action);
bool havePdfToText();

// Bytes of one record of a titled text file: number, 40-character title, body of the width.
QByteArray titledRecord(qint16 number, const QByteArray &title, const QByteArray &body,
                        int bodyWidth);

// Record n of a file's bytes.
QByteArray recordAt(const QByteArray &file, int n, int length);

// Chooses the second entry of a window's list, types at the end of one of its boxes and saves
// with the window's save button, as a user does.
void typeIntoSecondEntryAndSave(QWidget *window, const char *box, const char *saveButton,
                                const QString &typed);

// The texts of a list box's entries.
QStringList entries(QListWidget *list);
