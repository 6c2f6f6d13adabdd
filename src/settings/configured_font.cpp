#include "configured_font.h"

#include "preference_files.h"

#include <QFont>
#include <QFontInfo>
#include <QWidget>

ConfiguredFont ConfiguredFont::read(int recordLength)
{
    const ConfigRecord config = PreferenceFiles::readConfig(recordLength);
    ConfiguredFont font;
    font.bold = config.BoldFlag != 0;
    font.name = config.FontName;
    font.pointSize = config.FontSize;
    return font;
}

ConfiguredFont ConfiguredFont::fromFont(const QFont &font)
{
    ConfiguredFont configured;
    configured.bold = font.bold();
    configured.name = font.family();
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    configured.pointSize = qRound(points);
    return configured;
}

void ConfiguredFont::write(int recordLength) const
{
    ConfigRecord config;
    config.BoldFlag = bold ? -1 : 0;
    config.FontName = name;
    config.FontSize = qint16(pointSize);
    PreferenceFiles::writeConfig(config, recordLength);
}

void ConfiguredFont::applyBold(QWidget *widget) const
{
    QFont f = widget->font();
    f.setBold(bold);
    widget->setFont(f);
}

bool ConfiguredFont::hasSize() const
{
    // No size stored yet, or one no font dialog offers (a damaged file).
    return pointSize > 0 && pointSize <= MaxPointSize;
}

QString ConfiguredFont::family() const
{
    return name.trimmed().remove(QChar(u'\0'));
}

QFont ConfiguredFont::appliedTo(const QFont &base) const
{
    QFont f = base;
    if (!family().isEmpty())
        f.setFamily(family());
    if (hasSize())
        f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

void ConfiguredFont::applySize(QWidget *widget) const
{
    if (!hasSize())
        return;
    QFont f = widget->font();
    f.setPointSize(pointSize);
    widget->setFont(f);
}

void ConfiguredFont::applyName(QWidget *widget) const
{
    if (family().isEmpty())
        return;
    QFont f = widget->font();
    f.setFamily(family());
    widget->setFont(f);
}
