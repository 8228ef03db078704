#include "gif/GifDecl.h"

#include "gif/CodeTable.h"
#include "gif/EncodedBytes.h"
#include "gif/GifException.h"

#include <algorithm>
#include <memory>
#include <string>

namespace gif {

namespace {

void checkInput(std::span<const std::uint8_t> pixels, int minCodeSize) {
    if (pixels.empty())
        throw EGifException("There are no pixels to encode");
    if (minCodeSize < 2 || minCodeSize > 8)
        throw EGifException("LZW minimum code size " + std::to_string(minCodeSize) +
                            " wrong; must be 2 to 8");
    const int largest = *std::max_element(pixels.begin(), pixels.end());
    if (largest >= 1 << minCodeSize)
        throw EGifException("Pixel index " + std::to_string(largest) +
                            " does not fit the LZW minimum code size " + std::to_string(minCodeSize));
}

} // namespace

TByteBuffer EncodeImageData(std::span<const std::uint8_t> pixels, int minCodeSize,
                            const TProgressProc& progress) {
    checkInput(pixels, minCodeSize);
    const std::size_t count = pixels.size();
    const auto clearCode = static_cast<std::uint16_t>(1u << minCodeSize);
    const auto endCode = static_cast<std::uint16_t>(clearCode + 1);
    const auto initialWidth = static_cast<std::uint8_t>(minCodeSize + 1);

    // A first guess at the size; pictures of few colours and long runs compress far better.
    TEncodedBytes output(count / 4 + 64);
    const auto table = std::make_unique<TCodeTable>();
    table->Reset(initialWidth);
    output.WriteCode(clearCode, table->Width());

    std::uint16_t previous = pixels[0];
    output.WriteCode(previous, table->Width());
    std::size_t position = 1;
    reportProgress(progress, 0.0f);

    while (position < count) {
        // The previous string extended by the first pixel of this one becomes a new entry before
        // this string is matched, exactly as a decoder defines its entries.
        const std::uint8_t first = pixels[position++];
        table->Add(previous, first);
        std::uint16_t current = first;
        while (position < count) {
            const int extended = table->Find(current, pixels[position]);
            if (extended < 0)
                break;
            current = static_cast<std::uint16_t>(extended);
            ++position;
        }
        output.WriteCode(current, table->Width());
        previous = current;

        if (table->Full() && position < count) {
            output.WriteCode(clearCode, table->Width());
            table->Reset(initialWidth);
            previous = pixels[position++];
            output.WriteCode(previous, table->Width());
            reportProgress(progress, static_cast<float>(position) / static_cast<float>(count));
        }
    }
    // A decoder widens its codes as soon as its table reaches the next power of two, one entry
    // before this table does; the end code must be written at the width it will be read with.
    const bool decoderWidened = table->Width() < 12 && table->NextFree() == 1u << table->Width();
    output.Finish(endCode, static_cast<std::uint8_t>(table->Width() + (decoderWidened ? 1 : 0)));
    reportProgress(progress, 1.0f);
    return output.TakeBytes();
}

} // namespace gif
