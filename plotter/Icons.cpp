#include "plotter/Icons.h"

#include <QtGlobal>

static void registerIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace plotter {

void loadIcons() {
    static const bool loaded = [] {
        registerIconResources();
        return true;
    }();
    (void)loaded;
}

} // namespace plotter
