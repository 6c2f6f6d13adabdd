#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The actions a store takes in the crash loop: a fixed sequence a store, each the program's own
// store code, so a run stopped anywhere can be compared with runs that were not.
namespace CrashOps {

QStringList stores();
int actionCount(const QString &store);
// Runs the first count actions in the current folder; done(i) after action i completed.
void run(const QString &store, int count, const std::function<void(int)> &done);
// What the program does with the store's files when it next uses them.
void load(const QString &store);

} // namespace CrashOps
