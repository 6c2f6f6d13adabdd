#pragma once

#include <QString>

// The text of a PDF as pdftotext -layout reads it; empty when it cannot be read.
QString pdfText(const QString &path);
