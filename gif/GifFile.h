#pragma once

#include "gif/ColorTbl.h"
#include "gif/DynArrB.h"
#include "gif/GifSubImage.h"
#include "gif/Progress.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace gif {

// A GIF87a file: a global colour table and one or more images, without extension blocks.
class TGifFile {
public:
    TGifFile();

    // Adds an image of `colors` and `pixels`. The first image's table becomes the global table
    // (2, 16 or 256 colours); later images carry it as their local table. Raises EGifException,
    // leaving the file as it was, for a colour count that is not a power of 2 or a global table
    // of another size, and for the pixel faults TGifSubImage refuses.
    void AddImage(const TColorTable& colors, const TByteArray2D& pixels);

    // The whole file. Raises EGifException when there is no image.
    std::string SaveToBytes(const TProgressProc& progress = {});
    // Writes the file atomically: a failure leaves no partial file and raises common::FileWriteError
    // with the system's reason.
    void SaveToFile(const std::filesystem::path& path, const TProgressProc& progress = {});

    std::uint16_t ScreenWidth() const { return screenWidth_; }
    std::uint16_t ScreenHeight() const { return screenHeight_; }
    int ColorResolution() const { return colorResolution_; }
    const TColorTable& GlobalColorTable() const { return globalColorTable_; }
    std::vector<TGifSubImage>& Images() { return images_; }
    const std::vector<TGifSubImage>& Images() const { return images_; }

    // The logical screen descriptor's packed byte for the current global table.
    std::uint8_t ScreenPacked() const;

private:
    std::array<char, 6> signature_{'G', 'I', 'F', '8', '7', 'a'};
    std::uint16_t screenWidth_ = 0;
    std::uint16_t screenHeight_ = 0;
    std::uint8_t backgroundColorIndex_ = 0;
    std::uint8_t pixelAspectRatio_ = 0;
    bool hasGlobalColorTable_ = true;
    int colorResolution_ = 1;
    TColorTable globalColorTable_;
    std::vector<TGifSubImage> images_;
};

} // namespace gif
