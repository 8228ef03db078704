#include "appkit/Desktop.h"
#include "appkit/ProgramSetup.h"
#include "appkit/QtInteraction.h"
#include "regshell/CommandLine.h"
#include "regshell/ProgramIcon.h"
#include "regshell/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    // Options do their work without any window and end here; what is left is at most a project file.
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
    if (const QStringList files = QApplication::arguments().mid(1); !files.isEmpty())
        mainWindow.setStartFile(QFileInfo(files.front()).absoluteFilePath());
    QDir::setCurrent(programFolder);
    mainWindow.showMaximized();
    return QApplication::exec();
}
