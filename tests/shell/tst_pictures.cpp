#include "app/window_table.h"
#include "shell/main_window.h"
#include "shell/program_icon.h"
#include "shell/toolbar_icons.h"

#include "work_dir.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QToolBar>

namespace {

constexpr int ImageCount = 17;
const QSize ImageSize(24, 22);

QImage drawn(const QIcon &icon, QSize size, qreal scale = 1.0)
{
    return icon.pixmap(size, scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The share of the image's pixels that show something.
double covered(const QImage &image)
{
    qsizetype shown = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            shown += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
    return double(shown) / double(image.width() * image.height());
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void toolbarPicturesAreDrawnAtEachScale_data();
    void toolbarPicturesAreDrawnAtEachScale();
    void toolbarPicturesDifferFromEachOther();
    void noPictureOutsideTheImageList();
    void toolbarButtonsShowTheirPictures();
    void programIconIsDrawnAtTheIconSizes_data();
    void programIconIsDrawnAtTheIconSizes();
};

void TestPictures::toolbarPicturesAreDrawnAtEachScale_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("scale");
    for (int index = 1; index <= ImageCount; ++index) {
        for (const qreal scale : {1.0, 2.0}) {
            QTest::addRow("image %d at %gx", index, scale) << index << scale;
        }
    }
}

void TestPictures::toolbarPicturesAreDrawnAtEachScale()
{
    QFETCH(int, index);
    QFETCH(qreal, scale);
    const QPixmap pixmap = toolbarImage(index).pixmap(ImageSize, scale);
    // Drawn for the scale from the scalable picture, not a 24 x 22 image blown up.
    QCOMPARE(pixmap.size(), ImageSize * scale);
    QCOMPARE(pixmap.devicePixelRatio(), scale);
    const double share = covered(pixmap.toImage());
    QVERIFY2(share > 0.2 && share < 0.95, qPrintable(QString::number(share)));
}

void TestPictures::toolbarPicturesDifferFromEachOther()
{
    QList<QImage> images;
    for (int index = 1; index <= ImageCount; ++index)
        images << drawn(toolbarImage(index), ImageSize);
    for (int first = 0; first < ImageCount; ++first) {
        for (int second = first + 1; second < ImageCount; ++second)
            QVERIFY2(images[first] != images[second],
                     qPrintable(QStringLiteral("%1 and %2").arg(first + 1).arg(second + 1)));
    }
}

void TestPictures::noPictureOutsideTheImageList()
{
    QVERIFY(toolbarImage(0).isNull());
    QVERIFY(toolbarImage(ImageCount + 1).isNull());
}

void TestPictures::toolbarButtonsShowTheirPictures()
{
    WorkDir dir;
    VL32V1 window(createToolWindow);
    auto *toolbar = window.findChild<QToolBar *>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    int buttons = 0;
    for (QAction *action : toolbar->actions()) {
        if (action->objectName().isEmpty())
            continue;
        const int image = action->data().toInt();
        QCOMPARE(drawn(action->icon(), ImageSize), drawn(toolbarImage(image), ImageSize));
        ++buttons;
    }
    QCOMPARE(buttons, 11);
}

void TestPictures::programIconIsDrawnAtTheIconSizes_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestPictures::programIconIsDrawnAtTheIconSizes()
{
    QFETCH(int, size);
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    const QImage image = drawn(icon, QSize(size, size));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(covered(image) > 0.6);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
