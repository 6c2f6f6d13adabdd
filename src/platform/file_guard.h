#pragma once

#include "file_error.h"

class QWidget;

// Shows a failed file operation to the user with the system's error text.
void reportFileError(QWidget *parent, const FileError &error);
// Shows what the file layer did on its own during an action (file_notices.h), each once.
void showFileNotices(QWidget *parent);

// Runs one user action; a file error stops the action and is shown. Returns false then, so the
// caller never reports success for a failed save.
template <typename Action> bool guarded(QWidget *parent, Action &&action)
{
    try {
        action();
        showFileNotices(parent);
        return true;
    } catch (const FileError &error) {
        showFileNotices(parent);
        reportFileError(parent, error);
        return false;
    }
}
