#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "common/IniFile.h"
#include "common/NumberFormat.h"
#include "common/NumberParse.h"
#include "plotter/TdlgSelectLanguage.h"
#include "plotter/Texts.h"
#include "plotter/TwoFieldDialog.h"
#include "translation/Translator.h"

#include <QAction>
#include <QDir>
#include <filesystem>

using plotter::CommandId;

// The plotting options, their menu check marks and dialogs, and the language choice.

using appkit::toQt;
using plotter::plainText;

void TMDIFrame::ReadSettings(const common::IniFile& file) {
    try {
        graph::readSettingsBlock(file, options_, separators_.decimal);
    } catch (...) {
        updateCheckMarks();
        throw;
    }
    updateCheckMarks();
}

void TMDIFrame::WriteSettings(common::IniFile& file) {
    graph::writeSettingsBlock(file, options_, separators_.decimal);
}

void TMDIFrame::updateCheckMarks() {
    command(CommandId::Degrees)->setChecked(!options_.useRadians);
    command(CommandId::Radians)->setChecked(options_.useRadians);
    command(CommandId::BoldLines)->setChecked(options_.boldLines);
    command(CommandId::DottedLines)->setChecked(options_.dottedLines);
    command(CommandId::NormalLines)->setChecked(!options_.boldLines && !options_.dottedLines);
    command(CommandId::ShowAxis)->setChecked(options_.showAxis);
    command(CommandId::ShowGrid)->setChecked(options_.showGrid);
    command(CommandId::ShowScaleText)->setChecked(options_.showScaleText);
    command(CommandId::ShowFunctionNames)->setChecked(options_.showFunctionNames);
}

void TMDIFrame::setAngleUnit(bool radians) {
    graph::setAngleUnit(options_, radians);
    updateCheckMarks();
    redraw();
}

void TMDIFrame::setLineStyle(bool bold, bool dotted) {
    options_.boldLines = bold;
    options_.dottedLines = dotted;
    updateCheckMarks();
    redraw();
}

void TMDIFrame::editZoomFactors() {
    dlgZoomFactor->setTexts(toQt(common::formatPlain(options_.xZoomFactor, separators_.decimal)),
                            toQt(common::formatPlain(options_.yZoomFactor, separators_.decimal)));
    if (!interaction_.runDialog(*dlgZoomFactor))
        return;
    // Both texts are converted before either factor changes.
    try {
        const long double x =
            common::parseFloat(dlgZoomFactor->firstText().toStdString(), separators_.decimal);
        const long double y =
            common::parseFloat(dlgZoomFactor->secondText().toStdString(), separators_.decimal);
        options_.xZoomFactor = x;
        options_.yZoomFactor = y;
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
}

void TMDIFrame::editAxisTexts() {
    dlgAxisText->setTexts(toQt(options_.xAxisText), toQt(options_.yAxisText));
    if (!interaction_.runDialog(*dlgAxisText))
        return;
    options_.xAxisText = dlgAxisText->firstText().toStdString();
    options_.yAxisText = dlgAxisText->secondText().toStdString();
    redraw();
}

void TMDIFrame::chooseAxisFont() {
    QFont font(toQt(options_.fontName));
    font.setPointSize(options_.fontSize > 0 ? options_.fontSize : graph::DefaultFontSize);
    font.setBold(options_.fontBold);
    font.setItalic(options_.fontItalic);
    font.setUnderline(options_.fontUnderline);
    const std::optional<QFont> chosen = interaction_.chooseFont(font);
    if (!chosen)
        return;
    options_.fontName = chosen->family().toStdString();
    if (chosen->pointSize() > 0)
        options_.fontSize = chosen->pointSize();
    options_.fontBold = chosen->bold();
    options_.fontItalic = chosen->italic();
    options_.fontUnderline = chosen->underline();
    redraw();
}

void TMDIFrame::emptyFunctionHistory() {
    if (interaction_.askYesNo(plainText("DeleteAllTheFunctions")))
        setEntryList({});
}

QStringList TMDIFrame::availableLanguages() const {
    const std::filesystem::path anyLanguage = translation::translator().languageFilePath("");
    const QString prefix = toQt(anyLanguage.stem().string());
    const QDir folder(toQt(anyLanguage.parent_path().string()));
    QStringList names;
    for (const QString& file : folder.entryList({prefix + QStringLiteral("*.lng")}, QDir::Files)) {
        const QString name = file.mid(prefix.size(), file.size() - prefix.size() - 4);
        if (!name.isEmpty())
            names.append(name);
    }
    names.sort();
    return names;
}

void TMDIFrame::chooseLanguage() {
    dlgSelectLanguage->setLanguages(availableLanguages());
    if (!interaction_.runDialog(*dlgSelectLanguage))
        return;
    const QString chosen = dlgSelectLanguage->selectedLanguage();
    if (chosen.isEmpty()) {
        interaction_.showMessage(plainText("YouDidNotSelectALanguage"));
        return;
    }
    if (chosen == languageName_)
        return;
    try {
        settings_.writeString("Options", "Language", chosen.toStdString());
    } catch (const common::IniWriteError&) {
        // The language stays as it was at the next start.
    }
    interaction_.showMessage(plainText("ChangesMadePleaseRestart"));
}
