#pragma once

// Pictures for the GIF tests and benchmarks: a graph like the plotter draws and random pictures.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace testpictures {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xFFRRGGBB, row by row from the top

    void set(int x, int y, std::uint32_t color) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(x)] = color;
    }
};

constexpr std::uint32_t rgb(int red, int green, int blue) {
    return 0xFF000000u | static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue);
}

constexpr std::array<std::uint32_t, 12> curveColors{rgb(0, 0, 255),   rgb(0, 128, 0),     rgb(128, 0, 0),
                                                    rgb(128, 128, 0), rgb(0, 0, 128),     rgb(128, 0, 128),
                                                    rgb(0, 128, 128), rgb(128, 128, 128), rgb(0, 255, 0),
                                                    rgb(255, 0, 255), rgb(0, 255, 255),   rgb(255, 0, 0)};

// White background, a silver grid every 40 pixels, black axes through the middle and
// `curveCount` wave curves, each in its curve colour, drawn as connected columns.
inline Picture graph(int width, int height, int curveCount) {
    Picture picture{width, height,
                    std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, rgb(255, 255, 255))};
    for (int x = 0; x < width; x += 40)
        for (int y = 0; y < height; ++y)
            picture.set(x, y, rgb(192, 192, 192));
    for (int y = 0; y < height; y += 40)
        for (int x = 0; x < width; ++x)
            picture.set(x, y, rgb(192, 192, 192));
    for (int x = 0; x < width; ++x)
        picture.set(x, height / 2, rgb(0, 0, 0));
    for (int y = 0; y < height; ++y)
        picture.set(width / 2, y, rgb(0, 0, 0));
    for (int curve = 0; curve < curveCount; ++curve) {
        const double amplitude = height * (0.1 + 0.03 * curve);
        const double frequency = 0.004 + 0.002 * curve;
        int previousY = 0;
        for (int x = 0; x < width; ++x) {
            const int y =
                height / 2 - static_cast<int>(std::lround(amplitude * std::sin(frequency * x + curve)));
            const int from = x == 0 ? y : previousY;
            for (int row = std::min(from, y); row <= std::max(from, y); ++row)
                picture.set(x, row, curveColors[static_cast<std::size_t>(curve)]);
            previousY = y;
        }
    }
    return picture;
}

// Indices below `colorCount`, uniformly random.
inline std::vector<std::uint8_t> randomIndices(std::size_t count, int colorCount, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> index(0, colorCount - 1);
    std::vector<std::uint8_t> indices(count);
    for (auto& value : indices)
        value = static_cast<std::uint8_t>(index(generator));
    return indices;
}

// A picture of random pixels drawn from `colorCount` distinct colours.
inline Picture randomColors(int width, int height, int colorCount, unsigned seed) {
    std::vector<std::uint32_t> palette;
    for (int index = 0; index < colorCount; ++index)
        palette.push_back(rgb(index, (index * 7) % 256, 255 - index));
    Picture picture{width, height, {}};
    for (const std::uint8_t index : randomIndices(static_cast<std::size_t>(width) * height, colorCount, seed))
        picture.pixels.push_back(palette[index]);
    return picture;
}

} // namespace testpictures
