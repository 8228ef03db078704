#include "gif/BitmapConversion.h"
#include "gif/GifDecl.h"
#include "gif/GifException.h"

#include "GifReader.h"
#include "ReferenceEncoder.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gif;

namespace {

std::vector<std::uint8_t> encode(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
    const TByteBuffer buffer = EncodeImageData(pixels, minCodeSize);
    return {buffer.Bytes().begin(), buffer.Bytes().end()};
}

// Encodes with both encoders, expects the same bytes, and decodes them back to the pixels.
void expectSameAsReference(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
    const std::vector<std::uint8_t> encoded = encode(pixels, minCodeSize);
    ASSERT_EQ(encoded, reference::encode(pixels, minCodeSize))
        << pixels.size() << " pixels, minimum code size " << minCodeSize;
    ASSERT_EQ(gifreader::decode(encoded, minCodeSize).pixels, pixels);
}

std::vector<gifreader::Code> codesOf(const std::vector<std::uint8_t>& pixels, int minCodeSize) {
    return gifreader::decode(encode(pixels, minCodeSize), minCodeSize).codes;
}

std::vector<std::uint8_t> indicesOf(const testpictures::Picture& picture) {
    const TIndexedPicture indexed = ConvertBitmap(picture.width, picture.height, picture.pixels);
    return {indexed.Indices.Data(), indexed.Indices.Data() + indexed.Indices.Size()};
}

int minCodeSizeFor(const testpictures::Picture& picture) {
    const int colors = ConvertBitmap(picture.width, picture.height, picture.pixels).Colors.Count;
    return colors == 256 ? 8 : colors == 16 ? 4 : 2;
}

} // namespace

TEST(LzwEncoder, RandomPicturesEncodeExactlyLikeTheLinearSearchAtEveryMinimumCodeSize) {
    unsigned seed = 1;
    for (int minCodeSize = 2; minCodeSize <= 8; ++minCodeSize) {
        for (const std::size_t count : {1u, 2u, 3u, 17u, 255u, 1000u, 40000u}) {
            expectSameAsReference(testpictures::randomIndices(count, 1 << minCodeSize, seed++), minCodeSize);
            // Fewer colours than the code size allows, as with a 3-colour graph in a 16-entry table.
            expectSameAsReference(testpictures::randomIndices(count, 3, seed++), minCodeSize);
        }
    }
}

TEST(LzwEncoder, PicturesWithSeveralClearCodesEncodeExactlyLikeTheLinearSearch) {
    const auto pixels = testpictures::randomIndices(120000, 256, 99);
    expectSameAsReference(pixels, 8);
    int clearCodes = 0;
    for (const auto& code : codesOf(pixels, 8))
        clearCodes += code.value == 256;
    EXPECT_GE(clearCodes, 5);
}

TEST(LzwEncoder, LongRunsOfOneColourEncodeExactlyLikeTheLinearSearch) {
    // A single run this long fills the table once (1 + 2 + … + 3838 pixels) and goes on.
    expectSameAsReference(std::vector<std::uint8_t>(7500000, 5), 8);

    std::mt19937 generator(7);
    std::vector<std::uint8_t> runs;
    while (runs.size() < 300000)
        runs.insert(runs.end(), generator() % 3000 + 1, static_cast<std::uint8_t>(generator() % 4));
    expectSameAsReference(runs, 2);
    expectSameAsReference(runs, 8);
}

TEST(LzwEncoder, GraphPicturesEncodeExactlyLikeTheLinearSearch) {
    for (const int curves : {0, 1, 12}) {
        const auto picture = testpictures::graph(640, 480, curves);
        expectSameAsReference(indicesOf(picture), minCodeSizeFor(picture));
    }
    const auto random = testpictures::randomColors(300, 200, 256, 3);
    expectSameAsReference(indicesOf(random), 8);
}

TEST(LzwEncoder, TwoColourPictureStartsWithClearCode4InThreeBitsAndEndsWith5) {
    const auto codes = codesOf({0, 1, 1, 0}, 2);
    ASSERT_EQ(codes.size(), 6u);
    EXPECT_EQ(codes.front().value, 4);
    EXPECT_EQ(codes.front().width, 3);
    EXPECT_EQ(codes.back().value, 5);
    EXPECT_EQ(encode({0, 1}, 2), (std::vector<std::uint8_t>{0x44, 0x0A})); // 100 000 001 101, low bits first
}

TEST(LzwEncoder, LongRunProducesCodesThatEachExtendThePreviousOne) {
    const auto codes = codesOf(std::vector<std::uint8_t>(1 + 2 + 3 + 4 + 5 + 6, 9), 8);
    std::vector<int> values;
    for (const auto& code : codes)
        values.push_back(code.value);
    EXPECT_EQ(values, (std::vector<int>{256, 9, 258, 259, 260, 261, 262, 257}));
}

TEST(LzwEncoder, LastPixelStartingANewStringIsWrittenAsItsOwnCode) {
    const auto codes = codesOf({0, 0, 0, 1}, 2);
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes[codes.size() - 2].value, 1);
    EXPECT_EQ(codes.back().value, 5);
}

TEST(LzwEncoder, FullTableIsFollowedByClearCodeAndNineBitCodes) {
    const auto codes = codesOf(testpictures::randomIndices(20000, 256, 5), 8);
    // Clear, first pixel, then one code per new entry: 3838 entries fill codes 258 … 4095.
    ASSERT_GT(codes.size(), 3842u);
    EXPECT_EQ(codes[0].value, 256);
    for (std::size_t index = 1; index < 3840; ++index)
        ASSERT_NE(codes[index].value, 256) << index;
    EXPECT_EQ(codes[3839].width, 12);
    EXPECT_EQ(codes[3840].value, 256);
    EXPECT_EQ(codes[3840].width, 12);
    EXPECT_EQ(codes[3841].width, 9);
    EXPECT_LT(codes[3841].value, 256);
}

TEST(LzwEncoder, PictureOfZerosWithOneOtherPixelDecodesBack) {
    for (const std::size_t odd : {0u, 1u, 500u, 9999u}) {
        std::vector<std::uint8_t> pixels(10000, 0);
        pixels[odd] = 3;
        for (const int minCodeSize : {2, 8})
            EXPECT_EQ(gifreader::decode(encode(pixels, minCodeSize), minCodeSize).pixels, pixels);
    }
}

TEST(LzwEncoder, PictureEndingWhereTheDecoderWidensItsCodesEndsWithAReadableEndCode) {
    for (const auto& [count, minCodeSize] : {std::pair{56, 2}, std::pair{28442, 4}}) {
        const std::vector<std::uint8_t> pixels(static_cast<std::size_t>(count), 0);
        expectSameAsReference(pixels, minCodeSize);
        const gifreader::Code last = codesOf(pixels, minCodeSize).back();
        EXPECT_EQ(last.value, (1 << minCodeSize) + 1) << count << " pixels";
    }
}

TEST(LzwEncoder, DataChunksHold255BytesExceptAShorterLastOne) {
    for (const std::size_t total : {1u, 254u, 255u, 256u, 510u, 511u}) {
        TByteBuffer buffer;
        for (std::size_t index = 0; index < total; ++index)
            buffer.Append(static_cast<std::uint8_t>(index));
        ASSERT_EQ(buffer.ChunkCount(), (total + 254) / 255);
        for (std::size_t chunk = 0; chunk + 1 < buffer.ChunkCount(); ++chunk)
            EXPECT_EQ(buffer.Chunk(chunk).size(), 255u);
        EXPECT_EQ(buffer.Chunk(buffer.ChunkCount() - 1).size(), total - 255 * (buffer.ChunkCount() - 1));
        EXPECT_EQ(buffer.Chunk(buffer.ChunkCount() - 1).back(), static_cast<std::uint8_t>(total - 1));
    }
}

TEST(LzwEncoder, ProgressRisesFromZeroToOne) {
    std::vector<float> reports;
    EncodeImageData(testpictures::randomIndices(50000, 256, 8), 8,
                    [&](float fraction) { reports.push_back(fraction); });
    ASSERT_GE(reports.size(), 3u);
    EXPECT_EQ(reports.front(), 0.0f);
    EXPECT_EQ(reports.back(), 1.0f);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

TEST(LzwEncoder, RefusesInputThatWouldGiveACorruptStream) {
    EXPECT_THROW(EncodeImageData({}, 8), EGifException);
    const std::vector<std::uint8_t> pixels{0, 1, 2, 3, 4};
    EXPECT_THROW(EncodeImageData(pixels, 1), EGifException);
    EXPECT_THROW(EncodeImageData(pixels, 9), EGifException);
    try {
        EncodeImageData(pixels, 2);
        FAIL() << "index 4 accepted with minimum code size 2";
    } catch (const EGifException& error) {
        EXPECT_STREQ(error.what(), "Pixel index 4 does not fit the LZW minimum code size 2");
    }
}
