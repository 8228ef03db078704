#pragma once

// A small GIF reader for the tests: splits a file into its blocks and decodes the LZW data the
// way a standard decoder does, recording every code with the width it was read at.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace gifreader {

struct Code {
    int value;
    int width;
};

struct Decoded {
    std::vector<Code> codes;
    std::vector<std::uint8_t> pixels;
};

struct Color {
    int red, green, blue;
    bool operator==(const Color&) const = default;
};

struct Image {
    int left = 0, top = 0, width = 0, height = 0;
    int packed = 0;
    std::vector<Color> localTable;
    int minCodeSize = 0;
    std::vector<std::size_t> chunkSizes;
    std::vector<std::uint8_t> data;
    Decoded decoded;
};

struct File {
    std::string signature;
    int screenWidth = 0, screenHeight = 0;
    int packed = 0, background = 0, aspect = 0;
    std::vector<Color> globalTable;
    std::vector<Image> images;
};

inline Decoded decode(const std::vector<std::uint8_t>& data, int minCodeSize) {
    Decoded result;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::vector<int> prefix(4096, -1);
    std::vector<std::uint8_t> suffix(4096, 0);
    for (int code = 0; code < clearCode; ++code)
        suffix[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(code);

    std::size_t bitPosition = 0;
    const auto readCode = [&](int width) {
        int code = 0;
        for (int bit = 0; bit < width; ++bit, ++bitPosition) {
            if (bitPosition / 8 >= data.size())
                throw std::runtime_error("image data ends before the end code");
            code |= ((data[bitPosition / 8] >> (bitPosition % 8)) & 1) << bit;
        }
        return code;
    };
    const auto expand = [&](int code) {
        std::vector<std::uint8_t> text;
        for (; code >= 0; code = prefix[static_cast<std::size_t>(code)])
            text.push_back(suffix[static_cast<std::size_t>(code)]);
        return std::vector<std::uint8_t>(text.rbegin(), text.rend());
    };

    int width = minCodeSize + 1;
    int next = clearCode + 2;
    int previous = -1;
    for (;;) {
        const int code = readCode(width);
        result.codes.push_back({code, width});
        if (code == clearCode) {
            width = minCodeSize + 1;
            next = clearCode + 2;
            previous = -1;
            continue;
        }
        if (code == endCode)
            break;
        if (previous < 0) {
            if (code >= clearCode)
                throw std::runtime_error("first code after a clear is not a pixel");
            result.pixels.push_back(static_cast<std::uint8_t>(code));
            previous = code;
            continue;
        }
        std::vector<std::uint8_t> text;
        if (code < next && (code < clearCode || code > endCode)) {
            text = expand(code);
        } else if (code == next) {
            text = expand(previous);
            text.push_back(text.front());
        } else {
            throw std::runtime_error("code " + std::to_string(code) + " not yet defined");
        }
        result.pixels.insert(result.pixels.end(), text.begin(), text.end());
        if (next < 4096) {
            prefix[static_cast<std::size_t>(next)] = previous;
            suffix[static_cast<std::size_t>(next)] = text.front();
            ++next;
            if (next == (1 << width) && width < 12)
                ++width;
        }
        previous = code;
    }
    return result;
}

inline File read(const std::string& bytes) {
    std::size_t at = 0;
    const auto byte = [&]() -> int {
        if (at >= bytes.size())
            throw std::runtime_error("file ends early");
        return static_cast<std::uint8_t>(bytes[at++]);
    };
    const auto word = [&]() {
        const int low = byte();
        return low | byte() << 8;
    };
    const auto table = [&](int size) {
        std::vector<Color> colors;
        for (int index = 0; index < size; ++index) {
            const int red = byte(), green = byte(), blue = byte();
            colors.push_back({red, green, blue});
        }
        return colors;
    };

    File file;
    for (int index = 0; index < 6; ++index)
        file.signature.push_back(static_cast<char>(byte()));
    file.screenWidth = word();
    file.screenHeight = word();
    file.packed = byte();
    file.background = byte();
    file.aspect = byte();
    if (file.packed & 128)
        file.globalTable = table(2 << (file.packed & 7));
    for (int separator = byte(); separator != ';'; separator = byte()) {
        if (separator != ',')
            throw std::runtime_error("unexpected block " + std::to_string(separator));
        Image image;
        image.left = word();
        image.top = word();
        image.width = word();
        image.height = word();
        image.packed = byte();
        if (image.packed & 128)
            image.localTable = table(2 << (image.packed & 7));
        image.minCodeSize = byte();
        for (int size = byte(); size != 0; size = byte()) {
            image.chunkSizes.push_back(static_cast<std::size_t>(size));
            for (int index = 0; index < size; ++index)
                image.data.push_back(static_cast<std::uint8_t>(byte()));
        }
        image.decoded = decode(image.data, image.minCodeSize);
        file.images.push_back(std::move(image));
    }
    if (at != bytes.size())
        throw std::runtime_error("bytes after the trailer");
    return file;
}

} // namespace gifreader
