#include "appkit/ProgramSetup.h"
#include "appkit/QtInteraction.h"
#include "plotter/QuorraCommandLine.h"
#include "plotter/TMDIFrame.h"
#include "plotter/TfrmSplash.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    // --help, --version, --export=FILE and refused options end before the frame exists.
    if (const std::optional<int> status = plotter::runWithoutWindow(argc, argv))
        return *status;

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

    frame.show();
    splash->raise();
    // Documents named on the command line are found from the folder the program was started in.
    frame.plotCommandLine(QApplication::arguments().mid(1));
    QDir::setCurrent(QString::fromStdString(setup.programFolder().string()));
    return QApplication::exec();
}
