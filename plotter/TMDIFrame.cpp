#include "plotter/TMDIFrame.h"

#include <QMdiArea>

TMDIFrame::TMDIFrame(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Quorra"));
    setCentralWidget(mdiArea_);
    resize(640, 480);
}
