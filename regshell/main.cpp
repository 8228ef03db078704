#include "appkit/Desktop.h"
#include "appkit/ProgramSetup.h"
#include "appkit/QtInteraction.h"
#include "regshell/CommandLine.h"
#include "regshell/ProgramIcon.h"
#include "regshell/TForm1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    // Options with "=" (and --help) do their work without any window and end here.
    if (const std::optional<int> status = regshell::runWithoutWindow(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setWindowIcon(regshell::programIcon());

    appkit::ProgramSetup setup("tsy", ".ini", "Tessaly");
    setup.loadLanguage();
    const QString programFolder = appkit::toQt(setup.programFolder().string());

    appkit::QtInteraction interaction;
    appkit::QtDesktop desktop;
    TForm1 mainWindow(setup.settings(), interaction, desktop, setup.separators(), programFolder);
    interaction.setParent(&mainWindow);
    QDir::setCurrent(programFolder);
    mainWindow.showMaximized();
    return QApplication::exec();
}
