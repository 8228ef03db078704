#include "appkit/CommandLineConventions.h"
#include "appkit/Desktop.h"
#include "appkit/ProgramSetup.h"
#include "appkit/QtInteraction.h"
#include "projects/ColumnTextImport.h"
#include "regshell/CommandLine.h"
#include "regshell/DataFileCommands.h"
#include "regshell/ProgramIcon.h"
#include "regshell/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <iostream>

int main(int argc, char* argv[]) {
    // Options do their work without any window and end here; what is left is at most a project or data file.
    if (const std::optional<int> status = regshell::runWithoutWindow(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setWindowIcon(regshell::programIcon());

    appkit::ProgramSetup setup("tsy", ".ini", "Tessaly");
    setup.loadLanguage();
    const QString programFolder = appkit::toQt(setup.programFolder().string());

    // A data file that cannot be read fails like the other command-line work, before any window.
    QString startFile;
    std::optional<projects::ImportedLists> startData;
    if (const QStringList files = QApplication::arguments().mid(1); !files.isEmpty()) {
        startFile = QFileInfo(files.front()).absoluteFilePath();
        if (projects::namesColumnTextFile(appkit::toStd(startFile))) {
            try {
                startData =
                    projects::importColumnTextFile(appkit::toStd(startFile), setup.separators().decimal);
            } catch (const std::exception& failure) {
                std::cerr << failure.what() << '\n';
                return appkit::FailureStatus;
            }
        }
    }

    appkit::QtInteraction interaction;
    appkit::QtDesktop desktop;
    TForm1 mainWindow(setup.settings(), interaction, desktop, setup.separators(), programFolder);
    interaction.setParent(&mainWindow);
    if (startData)
        mainWindow.setStartData(std::move(*startData),
                                regshell::newProjectName(mainWindow.store(), startFile));
    else if (!startFile.isEmpty())
        mainWindow.setStartFile(startFile);
    QDir::setCurrent(programFolder);
    mainWindow.showMaximized();
    return QApplication::exec();
}
