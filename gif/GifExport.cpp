#include "gif/GifExport.h"

#include "gif/BitmapConversion.h"
#include "gif/GifFile.h"

namespace gif {

void SavePictureAsGif(const std::filesystem::path& path, int width, int height,
                      std::span<const std::uint32_t> pixels, const TProgressProc& progress) {
    const TIndexedPicture picture = ConvertBitmap(width, height, pixels, progress);
    TGifFile file;
    file.AddImage(picture.Colors, picture.Indices);
    file.SaveToFile(path, progress);
}

} // namespace gif
