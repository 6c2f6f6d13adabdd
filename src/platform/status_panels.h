#pragma once

#include <QString>

class QLabel;

// Status panels 2 and 3 of the main window, program-wide. Any window may write them; the texts
// are kept even while no main window shows them.
void SetStatusText(const QString &text);
void SetHintText(const QString &text);

namespace StatusPanels {

// The main window hands over its panel labels; they are forgotten when destroyed.
void attach(QLabel *statusPanel, QLabel *hintPanel);
QString statusText();
QString hintText();

} // namespace StatusPanels
