#include "regshell/TForm1.h"

#include <QMdiArea>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Tessaly"));
    setCentralWidget(mdiArea_);
    resize(800, 600);
}
