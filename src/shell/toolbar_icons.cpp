#include "toolbar_icons.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

struct Picture
{
    const char *mark;
    QRgb colour;
};

// A coloured tile with a short mark a picture; unused pictures keep a plain look.
constexpr std::array<Picture, 17> pictures = {{
    {"31", 0xff2060c0},     // 1 calendar
    {"\u2713", 0xff208040}, // 2 to-do
    {"AP", 0xffc03030},     // 3 appointments
    {"B", 0xff806020},      // 4 business phone
    {"\u2261", 0xff4060a0}, // 5 lists
    {"!", 0xffd08000},      // 6 reminder
    {"", 0xff808080},
    {"\u260e", 0xff404040}, // 8 dialer
    {"\u266a", 0xff8030a0}, // 9 sound
    {"", 0xff808080},
    {"\u25a6", 0xff2080a0}, // 11 small calendar
    {"", 0xff808080},
    {"", 0xff808080},
    {"", 0xff808080},
    {"\u25b6", 0xff309030}, // 15 launcher
    {"", 0xff808080},
    {"$", 0xff207050}, // 17 expenses
}};

} // namespace

QIcon toolbarImage(int index)
{
    QPixmap pixmap(24, 22);
    pixmap.fill(Qt::transparent);
    if (index < 1 || index > int(pictures.size()))
        return QIcon(pixmap);
    const Picture &picture = pictures[size_t(index - 1)];
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(picture.colour));
    painter.drawRoundedRect(QRectF(1, 1, 22, 20), 4, 4);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, 24, 22), Qt::AlignCenter, QString::fromUtf8(picture.mark));
    return QIcon(pixmap);
}
