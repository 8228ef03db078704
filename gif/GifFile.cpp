#include "gif/GifFile.h"

#include "common/AtomicFile.h"
#include "gif/GifDecl.h"
#include "gif/GifException.h"

#include <algorithm>
#include <bit>

namespace gif {

namespace {

constexpr char ImageSeparator = ',';
constexpr char Trailer = ';';

int screenBitsFor(int globalColorCount) {
    if (globalColorCount != 2 && globalColorCount != 16 && globalColorCount != 256)
        throw EGifException("unexpected number of colors");
    return std::countr_zero(static_cast<unsigned>(globalColorCount));
}

void appendByte(std::string& out, int byte) {
    out.push_back(static_cast<char>(byte));
}

void appendWord(std::string& out, std::uint16_t value) {
    appendByte(out, value & 0xFF);
    appendByte(out, value >> 8);
}

void appendColorTable(std::string& out, const TColorTable& table) {
    for (int index = 0; index < table.Count; ++index) {
        const TColorTableEntry& entry = table.Entries[static_cast<std::size_t>(index)];
        appendByte(out, entry.Red);
        appendByte(out, entry.Green);
        appendByte(out, entry.Blue);
    }
}

void appendImageData(std::string& out, const TGifSubImage& image) {
    appendByte(out, image.MinCodeSize);
    for (std::size_t index = 0; index < image.EncodedData.ChunkCount(); ++index) {
        const auto chunk = image.EncodedData.Chunk(index);
        appendByte(out, static_cast<int>(chunk.size()));
        out.append(reinterpret_cast<const char*>(chunk.data()), chunk.size());
    }
    appendByte(out, 0);
}

} // namespace

TGifFile::TGifFile() {
    globalColorTable_.FillDefault(2);
}

void TGifFile::AddImage(const TColorTable& colors, const TByteArray2D& pixels) {
    TGifSubImage image(colors.Count, pixels);
    const bool first = images_.empty();
    // Checked before anything changes, so a refused image leaves the file as it was.
    if (first)
        screenBitsFor(colors.Count);

    if (first) {
        globalColorTable_ = colors;
    } else {
        image.ColorTable = colors;
        image.HasLocalColorTable = true;
    }
    while ((1 << colorResolution_) < globalColorTable_.Count)
        ++colorResolution_;
    screenWidth_ = std::max(screenWidth_, image.Width);
    screenHeight_ = std::max(screenHeight_, image.Height);
    images_.push_back(std::move(image));
}

std::uint8_t TGifFile::ScreenPacked() const {
    const int bits = screenBitsFor(globalColorTable_.Count);
    return static_cast<std::uint8_t>((hasGlobalColorTable_ ? 128 : 0) + (bits - 1) * 16 + (bits - 1));
}

std::string TGifFile::SaveToBytes(const TProgressProc& progress) {
    if (images_.empty())
        throw EGifException("The GIF file has no image");
    std::string out(signature_.begin(), signature_.end());
    appendWord(out, screenWidth_);
    appendWord(out, screenHeight_);
    appendByte(out, ScreenPacked());
    appendByte(out, backgroundColorIndex_);
    appendByte(out, pixelAspectRatio_);
    appendColorTable(out, globalColorTable_);

    for (TGifSubImage& image : images_) {
        image.EncodedData = EncodeImageData(image.RowsInFileOrder(), image.MinCodeSize, progress);
        appendByte(out, ImageSeparator);
        appendWord(out, image.Left);
        appendWord(out, image.Top);
        appendWord(out, image.Width);
        appendWord(out, image.Height);
        appendByte(out, image.Packed());
        if (image.HasLocalColorTable)
            appendColorTable(out, image.ColorTable);
        appendImageData(out, image);
    }
    appendByte(out, Trailer);
    return out;
}

void TGifFile::SaveToFile(const std::filesystem::path& path, const TProgressProc& progress) {
    common::writeFileAtomically(path, SaveToBytes(progress));
}

} // namespace gif
