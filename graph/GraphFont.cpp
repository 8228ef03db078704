#include "graph/GraphFont.h"

#include "graph/PlotOptions.h"
#include "pictures/PictureFont.h"

namespace graph {

QFont axisFont(const PlotOptions& options) {
    return pictures::pictureFont(options.fontName, options.fontSize, options.fontBold, options.fontItalic,
                                 options.fontUnderline);
}

} // namespace graph
