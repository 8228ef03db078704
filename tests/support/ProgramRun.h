#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>

// What a program run from a test gave back; exit code -1 when it crashed or did not end in time.
struct ProgramRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

// Runs a built program as a user's shell would, with no display of any kind, so a test proves that
// the program needs none.
inline ProgramRun runWithoutDisplay(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

inline QString pathText(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}
