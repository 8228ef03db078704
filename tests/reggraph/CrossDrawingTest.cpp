#include "reggraph/CrossDrawing.h"

#include <QPainter>
#include <QPicture>
#include <QtTest>

#include <random>
#include <vector>

using namespace reggraph;

namespace {

const QSize Size(64, 48);
const QColor Crosses(0, 0, 255);

// Crosses cut by every edge of the picture, touching and overlapping ones, one wholly outside,
// and a random crowd.
std::vector<PixelPoint> centres() {
    std::vector<PixelPoint> points{{0, 0},   {63, 47}, {63, 20}, {30, 47}, {-5, 10}, {68, 30},  {20, -3},
                                   {10, 10}, {21, 10}, {33, 10}, {40, 40}, {41, 41}, {200, 200}};
    std::mt19937 random(3);
    std::uniform_int_distribution<int> x(-6, 69);
    std::uniform_int_distribution<int> y(-6, 53);
    for (int i = 0; i < 40; ++i)
        points.push_back({x(random), y(random)});
    return points;
}

QImage white(QImage::Format format = QImage::Format_RGB32) {
    QImage image(Size, format);
    image.fill(Qt::white);
    return image;
}

// The crosses pixel by pixel, shifted by `offset`: 11 pixels across and 11 down, centred on each point.
QImage expected(QPoint offset = {}) {
    QImage image = white();
    for (const PixelPoint& c : centres()) {
        for (int d = -5; d <= 5; ++d) {
            for (const QPoint pixel : {QPoint(c.x + d, c.y), QPoint(c.x, c.y + d)}) {
                if (image.rect().contains(pixel + offset))
                    image.setPixelColor(pixel + offset, Crosses);
            }
        }
    }
    return image;
}

template <typename Prepare> QImage drawn(QImage image, Prepare prepare) {
    QPainter painter(&image);
    prepare(painter);
    drawCrosses(painter, centres(), 5, Crosses);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class CrossDrawingTest : public QObject {
    Q_OBJECT

private slots:
    // Plain images are written directly; a clip, a transformation or a recorded picture take the
    // painter's own ways. All show the same pixels.
    void everyTargetShowsTheSamePixels() {
        const auto plain = [](QPainter&) {};
        QCOMPARE(drawn(white(), plain), expected());
        QCOMPARE(drawn(white(QImage::Format_ARGB32_Premultiplied), plain), expected());
        QCOMPARE(drawn(white(), [](QPainter& p) { p.setClipRect(QRect(QPoint(0, 0), Size)); }), expected());
        QCOMPARE(drawn(white(), [](QPainter& p) { p.translate(3, -2); }), expected(QPoint(3, -2)));

        QPicture picture;
        {
            QPainter painter(&picture);
            drawCrosses(painter, centres(), 5, Crosses);
        }
        QCOMPARE(drawn(white(), [&picture](QPainter& p) { p.drawPicture(0, 0, picture); }), expected());
    }

    // A picture shared with a copy is left to the painter, which keeps the copy as it was.
    void aSharedPictureKeepsItsCopyUnchanged() {
        QImage image = white();
        QPainter painter(&image);
        const QImage copy = image;
        drawCrosses(painter, centres(), 5, Crosses);
        painter.end();
        QCOMPARE(copy, white());
        QCOMPARE(image, expected());
    }
};

QTEST_MAIN(CrossDrawingTest)
#include "CrossDrawingTest.moc"
