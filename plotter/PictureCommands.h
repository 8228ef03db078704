#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class TCopy2ClipboardMessage;
class TLogWindow;
class TProgressForm;

namespace appkit {
class Interaction;
}
namespace common {
class IniFile;
}
namespace graph {
class TGraphWindow;
}

namespace plotter {

class FileDialogs;

// The graph as picture files, on the clipboard and on paper, and the printed log. A picture file
// that cannot be written is reported and no partial file is left; a print job that cannot start is
// reported and the printer is renewed with the same choices.
class PictureCommands {
public:
    // The copy message and the progress form of GIF pictures belong to `parent`.
    PictureCommands(graph::TGraphWindow& graph, TLogWindow& log, FileDialogs& fileDialogs,
                    common::IniFile& settings, appkit::Interaction& interaction, QWidget& parent);
    ~PictureCommands();

    void saveAsBmpPicture();
    void saveAsGifPicture();
    void saveAsPngPicture();
    void saveAsSvgPicture();
    void saveAsPdf();
    void copyGraphAsVectorPicture();
    void copyGraphAsBitmap();
    void printGraph();
    void printLog();
    void printSetup();

    // The printer of every job, made at its first use.
    QPrinter& printer();
    TProgressForm& progressForm() const { return *progressForm_; }

private:
    // The save dialog for a picture; the chosen name with its extension replaced, or empty.
    QString choosePictureFile(const char* captionKey, const QString& filter, const QString& suffix,
                              const QString& extension);
    void savePicture(const char* captionKey, const QString& filter, const QString& suffix,
                     const QString& extension, const std::function<QByteArray()>& encode);
    bool writePictureFile(const QString& fileName, const QByteArray& bytes);
    void showCopyMessage();
    void printingFailed();

    graph::TGraphWindow& graph_;
    TLogWindow& log_;
    FileDialogs& fileDialogs_;
    common::IniFile& settings_;
    appkit::Interaction& interaction_;
    TCopy2ClipboardMessage* copyMessage_;
    TProgressForm* progressForm_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace plotter
