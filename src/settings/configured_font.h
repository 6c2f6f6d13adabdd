#pragma once

#include <QString>

class QFont;
class QWidget;

// The font of config.dat as a tool window's font dialog holds it (getconfig), and the ways a
// window applies it to its boxes (showmyfonts).
struct ConfiguredFont
{
    static constexpr int MaxPointSize = 400;

    bool bold = false;
    QString name;      // with its padding, as stored
    int pointSize = 0; // 0: none stored yet

    // Reads record 1 of config.dat with the window's own record length.
    static ConfiguredFont read(int recordLength);
    static ConfiguredFont fromFont(const QFont &font);
    // Writes record 1 of config.dat with the window's own record length.
    void write(int recordLength) const;

    // The base font with the stored name, size and bold flag; a missing name or size keeps the
    // base's own.
    QFont appliedTo(const QFont &base) const;

    void applyBold(QWidget *widget) const;
    void applySize(QWidget *widget) const; // a size of 0 or past MaxPointSize leaves the box
    void applyName(QWidget *widget) const;

private:
    bool hasSize() const;
    QString family() const;
};
