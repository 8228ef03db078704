#include "pictures/PictureFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace pictures {

QByteArray rasterFile(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, format) ? bytes : QByteArray();
}

QByteArray svgFile(const VectorPicture& picture, const QString& title) {
    const QSize size = picture.size;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(PictureResolution);
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    picture.draw(painter);
    painter.end();
    return bytes;
}

QByteArray pdfFile(const VectorPicture& picture, const QString& title) {
    const QSize size = picture.size;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(PictureResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(
        QPageSize(QSizeF(size.width() * 72.0 / PictureResolution, size.height() * 72.0 / PictureResolution),
                  QPageSize::Point));
    writer.setTitle(title);
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    picture.draw(painter);
    painter.end();
    return bytes;
}

} // namespace pictures
