#include "pictures/GifPictureFile.h"

#include "gif/GifExport.h"

#include <QImage>

namespace pictures {

void saveGifFile(const std::filesystem::path& path, const QImage& picture,
                 const gif::TProgressProc& progress) {
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    // Each row of a 32-bit picture is exactly its width of pixels, so the rows lie end to end.
    const auto* first = reinterpret_cast<const std::uint32_t*>(pixels.constBits());
    gif::SavePictureAsGif(
        path, pixels.width(), pixels.height(),
        std::span<const std::uint32_t>(first, std::size_t(pixels.width()) * pixels.height()), progress);
}

} // namespace pictures
