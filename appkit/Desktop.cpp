#include "appkit/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace appkit {

void QtDesktop::startProgram(const QString& program, const QStringList& arguments) {
    // An argument list, never a shell line; the program runs in its own folder.
    QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

void QtDesktop::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

} // namespace appkit
