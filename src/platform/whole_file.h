#pragma once

#include <QByteArrayView>
#include <QString>

// Writes a file whole under its name, or not at all: the bytes go to a new file beside it, which
// is forced to the disk and checked for its length before it takes the name. A full disk or any
// other failure leaves the old file (or none) and no new one, and throws FileError.
void writeWholeFile(const QString &path, const QString &name, QByteArrayView bytes);
// The new file is the file's path with this after it until it takes the name.
inline constexpr char NewFileSuffix[] = ".velmora-new";

// Forces the folder that holds the file to the disk, so a new name in it survives a power loss.
void syncFolderOf(const QString &path);
