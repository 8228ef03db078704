#pragma once

#include <QFont>
#include <string>

namespace graph {

struct PlotOptions;

// A font from its stored name, size in points and style. The classic names "MS Sans Serif" and
// "System" become the platform's sans-serif font. The size is fixed in pixels (96 per inch) so
// that the raster picture, the vector picture and every file made from them measure text alike.
QFont graphFont(const std::string& name, int pointSize, bool bold, bool italic, bool underline);

QFont axisFont(const PlotOptions& options);

} // namespace graph
