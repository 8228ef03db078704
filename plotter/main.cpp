#include "appkit/ProgramSetup.h"
#include "appkit/QtInteraction.h"
#include "graph/HeadlessExport.h"
#include "plotter/TMDIFrame.h"
#include "plotter/TfrmSplash.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    // "--export=FILE" draws a picture file without any window and ends before the frame exists.
    if (graph::isExportCommandLine(argc, argv))
        return graph::runExportProgram(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorra"));

    auto* splash = new TfrmSplash;
    splash->show();
    QApplication::processEvents();

    appkit::ProgramSetup setup("qor", ".INI", "Quorra");
    appkit::QtInteraction interaction;
    TMDIFrame frame(setup.settings(), interaction, setup.separators());
    interaction.setParent(&frame);
    frame.setSplash(splash);
    QDir::setCurrent(QString::fromStdString(setup.programFolder().string()));

    frame.show();
    splash->raise();
    frame.plotCommandLine(QApplication::arguments().mid(1));
    return QApplication::exec();
}
