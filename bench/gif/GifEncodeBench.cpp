// Encoding speed of the GIF writer on a full-screen graph and on a picture of random colours,
// with giflib encoding the same indices as a yardstick when it is installed.

#include "gif/BitmapConversion.h"
#include "gif/GifDecl.h"
#include "gif/GifFile.h"

#include "TestPictures.h"

#include <benchmark/benchmark.h>

#ifdef QUORRA_HAVE_GIFLIB
#include <gif_lib.h>
#endif

#include <stdexcept>

namespace {

struct IndexedInput {
    gif::TIndexedPicture picture;
    int minCodeSize;
};

IndexedInput indexed(const testpictures::Picture& source) {
    gif::TIndexedPicture picture = gif::ConvertBitmap(source.width, source.height, source.pixels);
    const int count = picture.Colors.Count;
    return {std::move(picture), count == 256 ? 8 : count == 16 ? 4 : 2};
}

const IndexedInput& graphInput() {
    static const IndexedInput input = indexed(testpictures::graph(1920, 1080, 12));
    return input;
}

const IndexedInput& randomInput() {
    static const IndexedInput input = indexed(testpictures::randomColors(1024, 1024, 256, 2024));
    return input;
}

void encodeWithQuorra(benchmark::State& state, const IndexedInput& input) {
    const auto& indices = input.picture.Indices;
    const std::span<const std::uint8_t> pixels(indices.Data(), indices.Size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const gif::TByteBuffer encoded = gif::EncodeImageData(pixels, input.minCodeSize);
        bytes = encoded.TotalCount() + encoded.ChunkCount(); // with the chunk length bytes
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["data_bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * pixels.size()));
}

void BM_QuorraEncodeGraph1920x1080(benchmark::State& state) {
    encodeWithQuorra(state, graphInput());
}
void BM_QuorraEncodeRandom1024x1024(benchmark::State& state) {
    encodeWithQuorra(state, randomInput());
}
BENCHMARK(BM_QuorraEncodeGraph1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuorraEncodeRandom1024x1024)->Unit(benchmark::kMillisecond);

// The whole export: colour table and indices from the pixels, then the complete file.
void BM_QuorraExportGraph1920x1080(benchmark::State& state) {
    const testpictures::Picture picture = testpictures::graph(1920, 1080, 12);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const gif::TIndexedPicture converted =
            gif::ConvertBitmap(picture.width, picture.height, picture.pixels);
        gif::TGifFile file;
        file.AddImage(converted.Colors, converted.Indices);
        bytes = file.SaveToBytes().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_QuorraExportGraph1920x1080)->Unit(benchmark::kMillisecond);

#ifdef QUORRA_HAVE_GIFLIB

int countBytes(GifFileType* file, const GifByteType*, int length) {
    *static_cast<std::size_t*>(file->UserData) += static_cast<std::size_t>(length);
    return length;
}

// giflib writes header, tables and image; the image data bytes are the file less those parts.
void encodeWithGiflib(benchmark::State& state, const IndexedInput& input) {
    const auto& indices = input.picture.Indices;
    const int width = static_cast<int>(indices.Width());
    const int height = static_cast<int>(indices.Height());
    const int colorCount = input.picture.Colors.Count;
    std::vector<GifColorType> colors(static_cast<std::size_t>(colorCount));
    for (int index = 0; index < colorCount; ++index) {
        const auto& entry = input.picture.Colors.Entries[static_cast<std::size_t>(index)];
        colors[static_cast<std::size_t>(index)] = {entry.Red, entry.Green, entry.Blue};
    }
    std::vector<GifPixelType> rows(indices.Data(), indices.Data() + indices.Size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        int error = 0;
        GifFileType* file = EGifOpen(&bytes, countBytes, &error);
        ColorMapObject* map = GifMakeMapObject(colorCount, colors.data());
        bool ok = file && map && EGifPutScreenDesc(file, width, height, 8, 0, map) == GIF_OK &&
                  EGifPutImageDesc(file, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(file, rows.data() + static_cast<std::size_t>(y) * width, width) == GIF_OK;
        GifFreeMapObject(map);
        if (EGifCloseFile(file, &error) != GIF_OK || !ok)
            throw std::runtime_error("giflib failed");
        benchmark::DoNotOptimize(bytes);
    }
    const std::size_t headerAndTables = 6 + 7 + 3 * static_cast<std::size_t>(colorCount) + 10 + 1 + 1;
    state.counters["data_bytes"] = static_cast<double>(bytes - headerAndTables - 1);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * indices.Size()));
}

void BM_GiflibEncodeGraph1920x1080(benchmark::State& state) {
    encodeWithGiflib(state, graphInput());
}
void BM_GiflibEncodeRandom1024x1024(benchmark::State& state) {
    encodeWithGiflib(state, randomInput());
}
BENCHMARK(BM_GiflibEncodeGraph1920x1080)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiflibEncodeRandom1024x1024)->Unit(benchmark::kMillisecond);

#endif

} // namespace
