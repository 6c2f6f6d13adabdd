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

void ConfiguredFont::applySize(QWidget *widget) const
{
    // No size stored yet, or one no font dialog offers (a damaged file): the box keeps its own.
    if (pointSize <= 0 || pointSize > MaxPointSize)
        return;
    QFont f = widget->font();
    f.setPointSize(pointSize);
    widget->setFont(f);
}

void ConfiguredFont::applyName(QWidget *widget) const
{
    const QString family = name.trimmed().remove(QChar(u'\0'));
    if (family.isEmpty())
        return;
    QFont f = widget->font();
    f.setFamily(family);
    widget->setFont(f);
}
