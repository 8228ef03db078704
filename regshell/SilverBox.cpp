#include "regshell/SilverBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace regshell {

void setBoxEnabled(QLineEdit& box, bool enabled) {
    const QColor silver(192, 192, 192);
    box.setEnabled(enabled);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base,
                     enabled ? QApplication::palette(&box).color(QPalette::Active, QPalette::Base) : silver);
    box.setPalette(palette);
}

} // namespace regshell
