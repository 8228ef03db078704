#include "reggraph/GraphScene.h"

#include "pictures/PictureFont.h"

namespace reggraph {

GraphFont defaultGraphFont() {
    return makeGraphFont("MS Sans Serif", 8, false, false, false);
}

GraphFont makeGraphFont(const std::string& name, int pointSize, bool bold, bool italic, bool underline,
                        const QColor& colour) {
    return {pictures::pictureFont(name, pointSize, bold, italic, underline), colour};
}

} // namespace reggraph
