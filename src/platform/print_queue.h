#pragma once

#include <QString>

namespace PrintQueue {

// Sends a finished PDF to a print queue ("name" or "name/instance") as one job on paper of
// the media named, with the options the user keeps for that queue. Returns an empty text when
// the print system took the job, else its reason for refusing it.
QString submit(const QString &queue, const QString &pdfPath, const QString &title,
               const QString &media);

} // namespace PrintQueue
