#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "common/IniFile.h"
#include "common/NumberParse.h"
#include "graph/TGraphWindow.h"
#include "plotter/EntryHistories.h"
#include "plotter/FileNames.h"
#include "plotter/FunctionHistory.h"
#include "plotter/OptionCommands.h"
#include "plotter/TLogWindow.h"
#include "plotter/Texts.h"

#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <string>

// Graph documents: the mode, the plotted texts, the range values and the settings block in one
// INI file with the extension ".QOR".

using appkit::toQt;
using plotter::plainText;

namespace {

const char* const DocumentExtension = ".QOR";

appkit::FileChoice documentChoice(const char* captionKey, const QString& fileName) {
    return {plainText(captionKey), QStringLiteral("Graph File (*.QOR *.qor)"), QStringLiteral("qor"),
            fileName};
}

// A document written by the program never holds more texts than the graph plots or the history
// keeps; a damaged count must not run on into thousands of refusals.
int documentTextCount(const common::IniFile& document, const char* section) {
    return std::clamp(document.readInteger(section, "Count", 0), 0, plotter::MaxHistoryEntries);
}

} // namespace

void TMDIFrame::openDocument() {
    const QString fileName = fileDialogs_.chooseFileToOpen(plotter::FileKind::Documents,
                                                           documentChoice("Open", documentFileName_));
    if (!fileName.isEmpty())
        openDocumentFile(fileName);
}

void TMDIFrame::openDocumentFile(const QString& fileName) {
    documentFileName_ = fileName;
    LogWindow->clear();
    readDocument(fileName);
    setWindowTitle(titlePrefix_ + QFileInfo(fileName).fileName());
}

void TMDIFrame::saveDocument() {
    if (documentFileName_.isEmpty())
        saveDocumentAs();
    else
        writeDocument(documentFileName_);
}

void TMDIFrame::saveDocumentAs() {
    const QString chosen = fileDialogs_.chooseFileToSave(plotter::FileKind::Documents,
                                                         documentChoice("SaveAs", documentFileName_));
    if (chosen.isEmpty())
        return;
    const QString fileName = plotter::withExtension(chosen, QLatin1String(DocumentExtension));
    if (!writeDocument(fileName))
        return;
    documentFileName_ = fileName;
    setWindowTitle(titlePrefix_ + QFileInfo(fileName).fileName());
}

bool TMDIFrame::writeDocument(const QString& fileName) {
    common::IniFile document(fileName.toStdString(), separators_.decimal);
    const graph::Graph& graph = GraphWindow->graph();
    try {
        document.update([&] {
            document.writeString("MainMode", "Mode", QString(state_.mode).toStdString());
            optionCommands_->writeSettings(document);
            common::writeRangeTexts(document, "Range", RangeWindow->rangeTexts());
            const bool functions = state_.mode == QLatin1Char('F');
            if (!functions && state_.mode != QLatin1Char('I'))
                return;
            const char* section = functions ? "Functions" : "Integrals";
            const std::string prefix = functions ? "F" : "I";
            const std::vector<std::string>& texts =
                functions ? graph.plottedFunctions() : graph.plottedIntegrals();
            document.writeInteger(section, "Count", static_cast<int>(texts.size()));
            for (std::size_t i = 0; i < texts.size(); ++i)
                document.writeString(section, prefix + std::to_string(i + 1), texts[i]);
        });
    } catch (const common::IniWriteError& failure) {
        interaction_.showError(toQt(failure.reason().empty() ? failure.what() : failure.reason()));
        return false;
    }
    return true;
}

void TMDIFrame::readDocument(const QString& fileName) {
    const common::IniFile document(fileName.toStdString(), separators_.decimal);
    // A "Mode" key with an empty value reads like an absent one: function mode.
    const std::string modeText = document.readString("MainMode", "Mode", "F");
    const QChar documentMode = modeText.empty() ? QLatin1Char('F') : toQt(modeText).at(0);

    try {
        ReadSettings(document);
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
        return;
    }
    // The values wait in the grid until the range is next applied.
    RangeWindow->setRangeTexts(common::readRangeTexts(document, "Range", TRangeWindow::MissingTexts));

    const bool functions = documentMode == QLatin1Char('F');
    if (!functions && documentMode != QLatin1Char('I')) {
        state_.mode = documentMode;
        return;
    }
    // The texts typed since the last switch are kept in the history of the mode being left, as any
    // switch keeps them; the blank mode then makes the switch run even into the mode already on.
    histories_->keepListAsHistoryOf(state_.mode);
    state_.mode = QLatin1Char(' ');
    if (!functions)
        GraphWindow->graph().logIntegralResult = true;
    switchMode(documentMode);

    const char* section = functions ? "Functions" : "Integrals";
    const std::string prefix = functions ? "F" : "I";
    const int count = documentTextCount(document, section);
    for (int i = 1; i <= count; ++i) {
        const std::string text = document.readString(section, prefix + std::to_string(i), "");
        // An empty text would only bring up the instructions in the middle of opening.
        if (text.empty())
            continue;
        GraphWindow->PlotRequest(text);
        histories_->enterIntoEntryList(toQt(text));
    }
}

namespace {

// The one graph document a drag carries, or an empty name.
QString draggedDocument(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString file = data->urls().front().toLocalFile();
    return QFileInfo(file).suffix().compare(QLatin1String("qor"), Qt::CaseInsensitive) == 0 ? file
                                                                                            : QString();
}

} // namespace

void TMDIFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedDocument(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMDIFrame::dropEvent(QDropEvent* event) {
    const QString file = draggedDocument(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    openDocumentFile(file);
}

bool TMDIFrame::takeEntryDrop(QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
        event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    if (!data || data->hasUrls() || !data->hasText())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        ComboBox1->setEditText(data->text().simplified());
        plotEntry();
    }
    return true;
}
