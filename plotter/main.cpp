#include "appkit/ProgramSetup.h"
#include "plotter/TMDIFrame.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorra"));

    appkit::ProgramSetup setup("qor", ".INI", "Quorra");
    setup.loadLanguage();

    TMDIFrame frame;
    frame.show();
    return QApplication::exec();
}
