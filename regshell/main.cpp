#include "appkit/ProgramSetup.h"
#include "regshell/CommandLine.h"
#include "regshell/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = regshell::runWithoutWindow(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));

    appkit::ProgramSetup setup("tsy", ".ini", "Tessaly");
    setup.loadLanguage();

    TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
