#include "plotter/FileDialogs.h"

#include "appkit/ProgramSetup.h"
#include "common/IniFile.h"

#include <QFileInfo>

namespace plotter {

namespace {

const char* const Section = "Folders";
const char* const DocumentsKey = "Documents";
const char* const PicturesKey = "Pictures";

} // namespace

QString FileDialogs::chooseFileToOpen(FileKind kind, appkit::FileChoice choice) {
    choice.folder = folder(kind);
    const QString chosen = interaction_.chooseFileToOpen(choice);
    remember(kind, chosen);
    return chosen;
}

QString FileDialogs::chooseFileToSave(FileKind kind, appkit::FileChoice choice) {
    choice.folder = folder(kind);
    const QString chosen = interaction_.chooseFileToSave(choice);
    remember(kind, chosen);
    return chosen;
}

QString FileDialogs::folder(FileKind kind) const {
    const QString& remembered = kind == FileKind::Documents ? documents_ : pictures_;
    return QFileInfo(remembered).isDir() ? remembered : QString();
}

void FileDialogs::remember(FileKind kind, const QString& chosenFile) {
    if (!chosenFile.isEmpty())
        folderOf(kind) = QFileInfo(chosenFile).absolutePath();
}

void FileDialogs::read(const common::IniFile& settings) {
    documents_ = appkit::toQt(settings.readString(Section, DocumentsKey, ""));
    pictures_ = appkit::toQt(settings.readString(Section, PicturesKey, ""));
}

void FileDialogs::write(common::IniFile& settings) const {
    settings.writeString(Section, DocumentsKey, appkit::toStd(documents_));
    settings.writeString(Section, PicturesKey, appkit::toStd(pictures_));
}

} // namespace plotter
