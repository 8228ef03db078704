#include "plotter/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace plotter {

void QtDesktop::startProgram(const QString& program, const QStringList& arguments) {
    // An argument list, never a shell line; the program runs in its own folder.
    QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

void QtDesktop::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace plotter
