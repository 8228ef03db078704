#include "gif/GifFile.h"
#include "gif/BitmapConversion.h"
#include "gif/DynArrB.h"
#include "gif/GifException.h"
#include "gif/GifExport.h"

#include "../common/TempFolder.h"
#include "GifReader.h"
#include "TestPictures.h"

#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <climits>

using namespace gif;
using testpictures::rgb;

namespace {

// Converts the picture, adds it as the only image and returns the parsed file.
gifreader::File writeAndRead(const testpictures::Picture& picture) {
    const TIndexedPicture indexed = ConvertBitmap(picture.width, picture.height, picture.pixels);
    TGifFile file;
    file.AddImage(indexed.Colors, indexed.Indices);
    return gifreader::read(file.SaveToBytes());
}

testpictures::Picture pictureOf(int width, int height, std::vector<std::uint32_t> pixels) {
    return {width, height, std::move(pixels)};
}

// The pixel colours a decoder shows for the first image of the file.
std::vector<std::uint32_t> shownPixels(const gifreader::File& file) {
    std::vector<std::uint32_t> pixels;
    for (const std::uint8_t index : file.images.at(0).decoded.pixels) {
        const gifreader::Color color = file.globalTable.at(index);
        pixels.push_back(rgb(color.red, color.green, color.blue));
    }
    return pixels;
}

template <typename Action> std::string errorText(Action action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(GifFile, GraphInBlackWhiteAndOneCurveColourGetsA16ColourTable) {
    const auto file = writeAndRead(testpictures::graph(120, 90, 1) /* white, silver, black, blue */);
    EXPECT_EQ(file.signature, "GIF87a");
    EXPECT_EQ(file.packed, 179);
    EXPECT_EQ(file.globalTable.size(), 16u);
    EXPECT_EQ(file.images.at(0).minCodeSize, 4);

    const auto blackWhiteBlue =
        writeAndRead(pictureOf(3, 1, {rgb(0, 0, 0), rgb(255, 255, 255), rgb(0, 0, 255)}));
    EXPECT_EQ(blackWhiteBlue.packed, 128 + 48 + 3);
    EXPECT_EQ(blackWhiteBlue.images.at(0).minCodeSize, 4);
}

TEST(GifFile, SixteenColoursKeepTheSixteenEntryTableAndASeventeenthTakesTheLargeOne) {
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < 17; ++i)
        colours.push_back(rgb(15 * i, 100, 255 - 15 * i));
    const std::vector<std::uint32_t> sixteenColours(colours.begin(), colours.begin() + 16);
    const auto sixteen = writeAndRead(pictureOf(16, 1, sixteenColours));
    // Global table, 4 bits of colour resolution, 2^(3 + 1) entries.
    EXPECT_EQ(sixteen.packed, 128 + 48 + 3);
    EXPECT_EQ(sixteen.globalTable.size(), 16u);
    EXPECT_EQ(sixteen.globalTable.back(), (gifreader::Color{225, 100, 30}));
    EXPECT_EQ(sixteen.images.at(0).minCodeSize, 4);
    EXPECT_EQ(shownPixels(sixteen), sixteenColours);

    const auto seventeen = writeAndRead(pictureOf(17, 1, colours));
    EXPECT_EQ(seventeen.packed, 128 + 112 + 7);
    EXPECT_EQ(seventeen.globalTable.size(), 256u);
    EXPECT_EQ(seventeen.images.at(0).minCodeSize, 8);
    EXPECT_EQ(shownPixels(seventeen), colours);
}

TEST(GifFile, TwoColourPictureGetsTwoEntriesAndMinimumCodeSize2) {
    const auto file =
        writeAndRead(pictureOf(2, 2, {rgb(9, 9, 9), rgb(255, 0, 0), rgb(255, 0, 0), rgb(9, 9, 9)}));
    EXPECT_EQ(file.packed, 128);
    EXPECT_EQ(file.globalTable, (std::vector<gifreader::Color>{{9, 9, 9}, {255, 0, 0}}));
    EXPECT_EQ(file.images.at(0).minCodeSize, 2);
}

TEST(GifFile, PictureWith256ColoursKeepsAll256) {
    const auto picture = testpictures::randomColors(64, 64, 256, 4);
    const auto file = writeAndRead(picture);
    EXPECT_EQ(file.packed, 247);
    EXPECT_EQ(file.globalTable.size(), 256u);
    EXPECT_EQ(file.images.at(0).minCodeSize, 8);
    EXPECT_EQ(shownPixels(file), picture.pixels);
}

TEST(GifFile, OneColourPictureIsWrittenWithATwoColourTable) {
    const auto picture = pictureOf(5, 3, std::vector<std::uint32_t>(15, rgb(1, 2, 3)));
    const auto file = writeAndRead(picture);
    EXPECT_EQ(file.packed, 128);
    EXPECT_EQ(file.globalTable, (std::vector<gifreader::Color>{{1, 2, 3}, {255, 255, 255}}));
    EXPECT_EQ(shownPixels(file), picture.pixels);
}

TEST(GifFile, PaletteFollowsFirstAppearanceAndUnusedEntriesHoldTheDefaultPalette) {
    // Red is met first in the top row, green only in the bottom row, blue in between.
    const auto picture = pictureOf(3, 3,
                                   {rgb(255, 255, 255), rgb(255, 0, 0), rgb(255, 255, 255), //
                                    rgb(0, 0, 255), rgb(255, 0, 0), rgb(255, 255, 255),     //
                                    rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 255)});
    const auto file = writeAndRead(picture);
    const std::vector<gifreader::Color> expected{
        {255, 255, 255}, {255, 0, 0},     {0, 0, 255},     {0, 255, 0},    {0, 0, 128}, {128, 0, 128},
        {0, 128, 128},   {128, 128, 128}, {192, 192, 192}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
        {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
    EXPECT_EQ(file.globalTable, expected);
    EXPECT_EQ(shownPixels(file), picture.pixels);

    const auto twenty = writeAndRead(testpictures::randomColors(10, 10, 20, 1));
    ASSERT_EQ(twenty.globalTable.size(), 256u);
    EXPECT_EQ(twenty.globalTable[20], (gifreader::Color{20, 20, 20}));
    EXPECT_EQ(twenty.globalTable[255], (gifreader::Color{255, 255, 255}));
}

TEST(GifFile, FileLayoutIsByteForByteAGif87aWithOneImage) {
    auto picture = pictureOf(300, 2, std::vector<std::uint32_t>(600, rgb(255, 255, 255)));
    picture.pixels.back() = rgb(0, 0, 0);
    const TIndexedPicture indexed = ConvertBitmap(picture.width, picture.height, picture.pixels);
    TGifFile gif;
    gif.AddImage(indexed.Colors, indexed.Indices);
    const std::string bytes = gif.SaveToBytes();
    const std::string expectedStart{"GIF87a"
                                    "\x2C\x01\x02\x00" // screen 300 x 2
                                    "\x80\x00\x00"     // packed, background, aspect
                                    "\xFF\xFF\xFF\x00\x00\x00"
                                    ","
                                    "\x00\x00\x00\x00\x2C\x01\x02\x00" // left, top, width, height
                                    "\x00"                             // no local table
                                    "\x02",                            // minimum code size
                                    6 + 7 + 6 + 1 + 8 + 1 + 1};
    ASSERT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), std::string("\x00;", 2));
    const auto file = gifreader::read(bytes);
    EXPECT_EQ(file.screenWidth, 300);
    EXPECT_EQ(file.screenHeight, 2);
    EXPECT_EQ(shownPixels(file), picture.pixels);
}

TEST(GifFile, LargePictureIsCutIn255ByteChunksWithAShorterLastOne) {
    const auto picture = testpictures::randomColors(200, 150, 256, 6);
    const auto file = writeAndRead(picture);
    const auto& chunks = file.images.at(0).chunkSizes;
    ASSERT_GT(chunks.size(), 10u);
    for (std::size_t index = 0; index + 1 < chunks.size(); ++index)
        ASSERT_EQ(chunks[index], 255u);
    EXPECT_GE(chunks.back(), 1u);
    EXPECT_LE(chunks.back(), 255u);
    EXPECT_EQ(shownPixels(file), picture.pixels);
}

TEST(GifFile, LaterImagesCarryALocalTableAndInterlacedRowsComeInFourPasses) {
    TGifFile gif;
    TColorTable two;
    two.FillDefault(2);
    TColorTable sixteen;
    sixteen.FillDefault(16);
    TByteArray2D small(4, 3);
    small(4, 3) = 1;
    TByteArray2D rows(2, 11);
    for (std::uint32_t y = 1; y <= 11; ++y)
        rows(1, y) = rows(2, y) = static_cast<std::uint8_t>(y);
    gif.AddImage(two, small);
    gif.AddImage(sixteen, rows);
    gif.Images()[1].Interlaced = true;
    EXPECT_EQ(gif.ScreenWidth(), 4);
    EXPECT_EQ(gif.ScreenHeight(), 11);
    EXPECT_EQ(gif.ColorResolution(), 1);

    const auto file = gifreader::read(gif.SaveToBytes());
    ASSERT_EQ(file.images.size(), 2u);
    EXPECT_EQ(file.images[0].packed, 0);
    EXPECT_EQ(file.images[0].decoded.pixels, (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(file.images[1].packed, 128 + 64 + 3);
    EXPECT_EQ(file.images[1].localTable.size(), 16u);
    EXPECT_EQ(file.images[1].minCodeSize, 4);
    std::vector<std::uint8_t> firstColumn;
    for (std::size_t index = 0; index < file.images[1].decoded.pixels.size(); index += 2)
        firstColumn.push_back(file.images[1].decoded.pixels[index]);
    EXPECT_EQ(firstColumn, (std::vector<std::uint8_t>{1, 9, 5, 3, 7, 11, 2, 4, 6, 8, 10}));
}

TEST(GifFile, ColourCountsThatAreNoPowerOf2OrNoValidGlobalTableAreRefused) {
    TByteArray2D pixels(2, 2);
    TColorTable colors;
    colors.FillDefault(3);
    TGifFile gif;
    EXPECT_EQ(errorText([&] { gif.AddImage(colors, pixels); }),
              "Number of colors (3) wrong; must be a power of 2");
    colors.FillDefault(1);
    EXPECT_EQ(errorText([&] { gif.AddImage(colors, pixels); }),
              "Number of colors (1) wrong; must be a power of 2");
    colors.FillDefault(4);
    EXPECT_EQ(errorText([&] { gif.AddImage(colors, pixels); }), "unexpected number of colors");
    EXPECT_TRUE(gif.Images().empty());
    EXPECT_EQ(gif.ScreenWidth(), 0);
    EXPECT_EQ(gif.GlobalColorTable().Count, 2);
    EXPECT_THROW(gif.SaveToBytes(), EGifException);

    // A 4-colour table is fine as the local table of a later image.
    TColorTable two;
    two.FillDefault(2);
    gif.AddImage(two, pixels);
    gif.AddImage(colors, pixels);
    EXPECT_EQ(gif.Images().size(), 2u);
}

TEST(GifFile, HostilePicturesGiveClearErrorsAndNoCrash) {
    const std::vector<std::uint32_t> none;
    EXPECT_EQ(errorText([&] { ConvertBitmap(0, 5, none); }), "The picture is empty (0 x 5 pixels)");
    EXPECT_EQ(errorText([&] { ConvertBitmap(5, -1, none); }), "The picture is empty (5 x -1 pixels)");
    EXPECT_EQ(errorText([&] { ConvertBitmap(70000, 1, std::vector<std::uint32_t>(70000)); }),
              "The picture is too large for a GIF file (70000 x 1 pixels; at most 65535 x 65535)");
    EXPECT_EQ(errorText([&] { ConvertBitmap(65535, 65535, std::vector<std::uint32_t>(10)); }),
              "The picture's pixel data does not match its size (65535 x 65535 pixels)");
    EXPECT_EQ(
        errorText([&] { ConvertBitmap(INT_MAX, INT_MAX, none); }),
        "The picture is too large for a GIF file (2147483647 x 2147483647 pixels; at most 65535 x 65535)");

    TColorTable two;
    two.FillDefault(2);
    TGifFile gif;
    EXPECT_EQ(errorText([&] { gif.AddImage(two, TByteArray2D(0, 0)); }),
              "The picture is empty (0 x 0 pixels)");
    EXPECT_EQ(errorText([&] { gif.AddImage(two, TByteArray2D(65536, 1)); }),
              "The picture is too large for a GIF file (65536 x 1 pixels; at most 65535 x 65535)");
    TByteArray2D beyond(3, 1);
    beyond(2, 1) = 2;
    EXPECT_EQ(errorText([&] { gif.AddImage(two, beyond); }),
              "Pixel index 2 lies outside the colour table of 2 colors");
    EXPECT_TRUE(gif.Images().empty());
}

TEST(GifFile, PictureWithMoreThan256ColoursIsRefusedAndNoFileIsWritten) {
    TempFolder folder;
    const auto target = folder / "many.gif";
    std::vector<std::uint32_t> pixels;
    for (std::uint32_t color = 0; color < 257; ++color)
        pixels.push_back(rgb(static_cast<int>(color % 256), static_cast<int>(color / 256), 7));
    const auto exportPicture = [&] { SavePictureAsGif(target, static_cast<int>(pixels.size()), 1, pixels); };
    EXPECT_EQ(errorText(exportPicture),
              "The picture has more than 256 colors; a GIF picture can hold at most 256");
    EXPECT_FALSE(std::filesystem::exists(target));
    pixels.pop_back();
    exportPicture();
    EXPECT_EQ(gifreader::read(TempFolder::read(target)).globalTable.size(), 256u);
}

TEST(GifFile, SavingReplacesTheFileWholeOrReportsTheSystemsReason) {
    TempFolder folder;
    const auto target = folder / "graph.gif";
    TempFolder::write(target, "old contents");
    const auto picture = testpictures::graph(50, 40, 3);
    const TIndexedPicture indexed = ConvertBitmap(picture.width, picture.height, picture.pixels);
    TGifFile gif;
    gif.AddImage(indexed.Colors, indexed.Indices);
    gif.SaveToFile(target);
    EXPECT_EQ(shownPixels(gifreader::read(TempFolder::read(target))), picture.pixels);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    const std::string error = errorText([&] { gif.SaveToFile(folder / "missing" / "graph.gif"); });
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_THROW(gif.SaveToFile(folder.path()), common::FileWriteError);
}

TEST(GifFile, ConversionReportsProgressAfterEveryRow) {
    const auto picture = testpictures::graph(30, 4, 2);
    std::vector<float> reports;
    ConvertBitmap(picture.width, picture.height, picture.pixels,
                  [&](float fraction) { reports.push_back(fraction); });
    EXPECT_EQ(reports, (std::vector<float>{0.0f, 0.25f, 0.5f, 0.75f, 1.0f}));
}

TEST(ByteArrays, OneBasedIndexingWithBoundsAndMemoryErrors) {
    TBigByteArray bytes(3);
    bytes[1] = 7;
    bytes[3] = 9;
    EXPECT_EQ(bytes.Data()[0], 7);
    EXPECT_EQ(errorText([&] { bytes[0] = 1; }), "Dynamic array index out of bounds");
    EXPECT_THROW(bytes[4], EIndexOutOfBounds);

    TByteArray2D grid(3, 2);
    grid(2, 2) = 5;
    EXPECT_EQ(grid.Data()[2 + (2 - 1) * 3 - 1], 5);
    const TByteArray2D copy = grid;
    grid(2, 2) = 6;
    EXPECT_EQ(copy(2, 2), 5);
    EXPECT_THROW(grid(4, 1), EIndexOutOfBounds); // would otherwise alias (1, 2)
    EXPECT_THROW(grid(1, 3), EIndexOutOfBounds);

    // AddressSanitizer ends the program where an allocation fails, so under it only a size beyond
    // any array is tried, which fails before allocating.
#ifdef __SANITIZE_ADDRESS__
    constexpr std::size_t hugeSize = SIZE_MAX;
#else
    constexpr std::size_t hugeSize = SIZE_MAX / 2;
#endif
    EXPECT_EQ(errorText([] { TBigByteArray huge(hugeSize); }),
              "error in TBigByteArray.create: Not enough contiguous memory available\r\n"
              " requested memory block: " +
                  std::to_string(hugeSize) + " bytes");
}

TEST(ColorTable, LooksUpTheFirstEqualEntryAndFillsTheDefaultPalettes) {
    TColorTable table;
    table.FillDefault(16);
    EXPECT_EQ(table.IndexOf(rgb(192, 192, 192)), 8);
    EXPECT_EQ(table.IndexOf(0x00FF00FFu), 13); // the alpha byte plays no part
    EXPECT_EQ(table.IndexOf(rgb(1, 1, 1)), -1);
    table.Entries[14] = table.Entries[3];
    EXPECT_EQ(table.IndexOf(rgb(128, 128, 0)), 3);
    table.FillDefault(256);
    EXPECT_EQ(table.IndexOf(rgb(77, 77, 77)), 77);
    table.FillDefault(2);
    EXPECT_EQ(table.IndexOf(rgb(255, 255, 255)), 1);
}
