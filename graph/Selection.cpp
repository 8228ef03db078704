#include "graph/Selection.h"

#include "engine/TFunction.h"

namespace graph {

namespace {
constexpr int CandidateSamples = 100;
}

WorldSelection selectionInWorld(const GraphCoordinates& coordinates, PixelPoint start, PixelPoint end) {
    return {coordinates.xOfPixel(start.x), coordinates.xOfPixel(end.x), coordinates.yOfPixel(end.y),
            coordinates.yOfPixel(start.y)};
}

std::vector<std::string> findCandidates(const std::vector<std::string>& texts,
                                        const std::vector<engine::TFunction*>& functions,
                                        const WorldSelection& selection) {
    std::vector<std::string> candidates;
    if (selection.x2 < selection.x1)
        return candidates;
    const long double step = (selection.x2 - selection.x1) * 0.01L;
    for (std::size_t p = 0; p < texts.size() && p < functions.size(); ++p) {
        for (int k = 0; k <= CandidateSamples; ++k) {
            const long double x = selection.x1 + k * step;
            long double y = 0;
            if (functions[p]->Evaluate(x, y) && selection.y1 <= y && y <= selection.y2) {
                candidates.push_back(texts[p]);
                break;
            }
        }
    }
    return candidates;
}

} // namespace graph
