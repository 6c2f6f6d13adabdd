// Renders a scalable picture to a square PNG of the given size:
//     velmora_render_icon PICTURE.svg SIZE OUTPUT.png
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE.svg SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int size = QByteArray(argv[2]).toInt();
    const QString output = QString::fromLocal8Bit(argv[3]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "%s: cannot draw %s at size %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
