#include "pictures/PictureFont.h"

#include "common/TextCase.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace pictures {

namespace {
constexpr int PixelsPerInch = 96;
constexpr int PointsPerInch = 72;
constexpr int LargestPixelSize = 1000;
} // namespace

QFont pictureFont(const std::string& name, int pointSize, bool bold, bool italic, bool underline) {
    QFont font;
    if (name.empty() || common::equalsIgnoringCase(name, "MS Sans Serif") ||
        common::equalsIgnoringCase(name, "System")) {
        font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        font.setStyleHint(QFont::SansSerif);
    } else {
        font.setFamily(QString::fromStdString(name));
        font.setStyleHint(QFont::SansSerif, QFont::PreferMatch);
    }
    const long pixels = std::lround(pointSize * double(PixelsPerInch) / PointsPerInch);
    font.setPixelSize(static_cast<int>(std::clamp(pixels, 1L, long(LargestPixelSize))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace pictures
