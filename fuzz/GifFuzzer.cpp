// The GIF writer on arbitrary index arrays and palettes: every image it accepts must decode
// back to exactly its indices and palette.
#include "FuzzSupport.h"

#include "gif/GifException.h"
#include "gif/GifExport.h"
#include "gif/GifFile.h"
#include "tests/gif/GifReader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

gif::TByteArray2D pixelsFrom(FuzzedDataProvider& input) {
    const auto width = input.ConsumeIntegralInRange<std::uint32_t>(1, 300);
    const auto height = input.ConsumeIntegralInRange<std::uint32_t>(1, 300);
    gif::TByteArray2D pixels(width, height);
    const std::vector<std::uint8_t> indices = input.ConsumeBytes<std::uint8_t>(pixels.Size());
    const auto mask = input.ConsumeIntegral<std::uint8_t>();
    for (std::size_t i = 0; i < pixels.Size(); ++i)
        pixels.Data()[i] = indices.empty() ? 0 : indices[i % indices.size()] & mask;
    return pixels;
}

gif::TColorTable paletteFrom(FuzzedDataProvider& input) {
    constexpr int Counts[] = {2, 4, 16, 256, 3, 0, 255, 1};
    gif::TColorTable colors;
    colors.FillDefault(256);
    colors.Count = static_cast<std::uint16_t>(input.PickValueInArray(Counts));
    for (int i = 0; i < colors.Count && input.remaining_bytes() >= 3; ++i)
        colors.Entries[i] = {input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
                             input.ConsumeIntegral<std::uint8_t>()};
    return colors;
}

void checkDecodesBack(const gif::TGifFile& file, const std::string& bytes) {
    const gifreader::File decoded = gifreader::read(bytes);
    FUZZ_CHECK(decoded.images.size() == file.Images().size());
    for (std::size_t i = 0; i < decoded.images.size(); ++i)
        FUZZ_CHECK(decoded.images[i].decoded.pixels == file.Images()[i].RowsInFileOrder());
    const gif::TColorTable& global = file.GlobalColorTable();
    for (std::size_t i = 0; i < decoded.globalTable.size() && i < global.Count; ++i)
        FUZZ_CHECK(decoded.globalTable[i] == (gifreader::Color{global.Entries[i].Red, global.Entries[i].Green,
                                                               global.Entries[i].Blue}));
}

// A 0xAARRGGBB picture through the whole export, written to a file.
void exportPicture(FuzzedDataProvider& input) {
    const int width = input.ConsumeIntegralInRange<int>(0, 64);
    const int height = input.ConsumeIntegralInRange<int>(0, 64);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : pixels)
        pixel = input.ConsumeIntegral<std::uint32_t>();
    static const std::filesystem::path path = fuzzing::scratchFile("picture.gif");
    try {
        gif::SavePictureAsGif(path, width, height, pixels);
    } catch (const gif::EGifException&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        exportPicture(input);
        return 0;
    }
    gif::TGifFile file;
    const int images = input.ConsumeIntegralInRange(1, 3);
    for (int i = 0; i < images; ++i) {
        const gif::TColorTable colors = paletteFrom(input);
        const gif::TByteArray2D pixels = pixelsFrom(input);
        try {
            file.AddImage(colors, pixels);
        } catch (const gif::EGifException&) {
        }
        if (!file.Images().empty() && input.ConsumeBool())
            file.Images().back().Interlaced = true;
    }
    try {
        checkDecodesBack(file, file.SaveToBytes());
    } catch (const gif::EGifException&) {
        FUZZ_CHECK(file.Images().empty());
    }
    return 0;
}
