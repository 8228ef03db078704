// Qt's own GIF reader, which shares no code with the writer, must show every file the writer
// produces with the same pixels. Qt hands out the colours rather than the indices, so each
// palette entry a picture uses is checked through its pixels.

#include "gif/BitmapConversion.h"
#include "gif/GifFile.h"

#include "../common/TempFolder.h"
#include "TestPictures.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace gif;

namespace {

std::string describe(const testpictures::Picture& picture) {
    return std::to_string(picture.width) + " x " + std::to_string(picture.height);
}

// Writes the picture through the whole export path and has Qt read the file back.
void expectQtShowsTheSamePicture(const testpictures::Picture& picture, bool interlaced = false) {
    SCOPED_TRACE(describe(picture));
    TempFolder folder;
    const auto path = folder / "picture.gif";
    const TIndexedPicture indexed = ConvertBitmap(picture.width, picture.height, picture.pixels);
    TGifFile file;
    file.AddImage(indexed.Colors, indexed.Indices);
    file.Images()[0].Interlaced = interlaced;
    file.SaveToFile(path);

    QImageReader reader(QString::fromStdString(path.string()));
    ASSERT_EQ(reader.format(), QByteArray("gif"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(image.width(), picture.width);
    ASSERT_EQ(image.height(), picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t expected =
                picture.pixels[static_cast<std::size_t>(y) * picture.width + x] & 0xFFFFFF;
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, expected) << "pixel " << x << ", " << y;
        }
}

} // namespace

TEST(QtReadsWrittenGifs, QtHasAGifReader) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
}

TEST(QtReadsWrittenGifs, GraphPictures) {
    expectQtShowsTheSamePicture(testpictures::graph(640, 480, 12));
    expectQtShowsTheSamePicture(testpictures::graph(333, 211, 1));
    expectQtShowsTheSamePicture(testpictures::graph(1920, 1080, 12));
}

TEST(QtReadsWrittenGifs, RandomPicturesOfEveryTableSize) {
    unsigned seed = 11;
    for (const int colors : {2, 3, 16, 17, 200, 256})
        expectQtShowsTheSamePicture(testpictures::randomColors(97, 61, colors, seed++));
    // Large enough for many clear codes.
    expectQtShowsTheSamePicture(testpictures::randomColors(700, 500, 256, seed++));
    expectQtShowsTheSamePicture(testpictures::randomColors(900, 700, 2, seed++));
}

TEST(QtReadsWrittenGifs, TinyAndOneColourPictures) {
    expectQtShowsTheSamePicture({1, 1, {testpictures::rgb(10, 20, 30)}});
    expectQtShowsTheSamePicture({2, 1, {testpictures::rgb(0, 0, 0), testpictures::rgb(255, 255, 255)}});
    expectQtShowsTheSamePicture(
        {1, 3, {testpictures::rgb(1, 1, 1), testpictures::rgb(1, 1, 1), testpictures::rgb(9, 9, 9)}});
    expectQtShowsTheSamePicture(
        {400, 300, std::vector<std::uint32_t>(400 * 300, testpictures::rgb(255, 255, 255))});
}

TEST(QtReadsWrittenGifs, LongRunsAndASingleOddPixel) {
    testpictures::Picture picture{3000, 2600,
                                  std::vector<std::uint32_t>(3000 * 2600, testpictures::rgb(0, 0, 0))};
    picture.pixels[1234567] = testpictures::rgb(255, 0, 0);
    expectQtShowsTheSamePicture(picture);
}

TEST(QtReadsWrittenGifs, InterlacedPictures) {
    expectQtShowsTheSamePicture(testpictures::graph(120, 77, 4), true);
    expectQtShowsTheSamePicture(testpictures::randomColors(31, 13, 16, 5), true);
}
