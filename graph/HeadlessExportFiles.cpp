#include "graph/HeadlessExportFiles.h"

#include "gif/GifExport.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgGenerator>

namespace graph {

QByteArray rasterFile(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, format) ? bytes : QByteArray();
}

QByteArray svgFile(const QPicture& picture, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(PictureResolution);
    generator.setTitle(QStringLiteral("Quorra"));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    painter.drawPicture(0, 0, picture);
    painter.end();
    return bytes;
}

QByteArray pdfFile(const QPicture& picture, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(PictureResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(
        QPageSize(QSizeF(size.width() * 72.0 / PictureResolution, size.height() * 72.0 / PictureResolution),
                  QPageSize::Point));
    writer.setTitle(QStringLiteral("Quorra"));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.drawPicture(0, 0, picture);
    painter.end();
    return bytes;
}

void saveGifFile(const std::filesystem::path& path, const QImage& picture,
                 const gif::TProgressProc& progress) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    // Each row of a 32-bit picture is exactly its width of pixels, so the rows lie end to end.
    const auto* first = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
    gif::SavePictureAsGif(
        path, pixels.width(), pixels.height(),
        std::span<const std::uint32_t>(first, std::size_t(pixels.width()) * pixels.height()), progress);
}

} // namespace graph
