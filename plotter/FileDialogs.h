#pragma once

#include "appkit/Interaction.h"

#include <QString>

namespace common {
class IniFile;
}

namespace plotter {

// The kinds of file whose dialogs remember a folder of their own.
enum class FileKind { Documents, Pictures };

// Open and save dialogs that start in the folder where the last file of their kind was chosen, kept
// for the run and in section "Folders" of the settings file. Without a remembered folder, or when it
// is gone, a dialog starts in the working folder.
class FileDialogs {
public:
    explicit FileDialogs(appkit::Interaction& interaction) : interaction_(interaction) {}

    // The chosen file, or an empty text when the dialog was cancelled.
    QString chooseFileToOpen(FileKind kind, appkit::FileChoice choice);
    QString chooseFileToSave(FileKind kind, appkit::FileChoice choice);

    QString folder(FileKind kind) const;
    void read(const common::IniFile& settings);
    // Throws common::IniWriteError.
    void write(common::IniFile& settings) const;

private:
    QString& folderOf(FileKind kind) { return kind == FileKind::Documents ? documents_ : pictures_; }
    void remember(FileKind kind, const QString& chosenFile);

    appkit::Interaction& interaction_;
    QString documents_;
    QString pictures_;
};

} // namespace plotter
