#pragma once

#include <QFont>
#include <string>

namespace pictures {

// A font for the text of a graph from its stored name, size in points and style. The classic names
// "MS Sans Serif" and "System" become the platform's sans-serif font. The size is fixed in pixels
// (96 per inch) so that the raster picture, the vector picture and every file made from them measure
// text alike; text is drawn without smoothing so a graph keeps a handful of colours.
QFont pictureFont(const std::string& name, int pointSize, bool bold, bool italic, bool underline);

} // namespace pictures
