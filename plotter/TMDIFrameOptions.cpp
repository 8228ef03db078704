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
        graph::readSettingsBlock(file, state_.options, separators_.decimal);
    } catch (...) {
        updateCheckMarks();
        throw;
    }
    updateCheckMarks();
}

void TMDIFrame::WriteSettings(common::IniFile& file) {
    graph::writeSettingsBlock(file, state_.options, separators_.decimal);
}

void TMDIFrame::updateCheckMarks() {
    command(CommandId::Degrees)->setChecked(state_.options.angleUnit == engine::AngleUnit::Degrees);
    command(CommandId::Radians)->setChecked(state_.options.angleUnit == engine::AngleUnit::Radians);
    command(CommandId::BoldLines)->setChecked(state_.options.boldLines);
    command(CommandId::DottedLines)->setChecked(state_.options.dottedLines);
    command(CommandId::NormalLines)->setChecked(!state_.options.boldLines && !state_.options.dottedLines);
    command(CommandId::ShowAxis)->setChecked(state_.options.showAxis);
    command(CommandId::ShowGrid)->setChecked(state_.options.showGrid);
    command(CommandId::ShowScaleText)->setChecked(state_.options.showScaleText);
    command(CommandId::ShowFunctionNames)->setChecked(state_.options.showFunctionNames);
}

void TMDIFrame::setAngleUnit(engine::AngleUnit unit) {
    state_.options.angleUnit = unit;
    updateCheckMarks();
    redraw();
}

void TMDIFrame::setLineStyle(bool bold, bool dotted) {
    state_.options.boldLines = bold;
    state_.options.dottedLines = dotted;
    updateCheckMarks();
    redraw();
}

void TMDIFrame::editZoomFactors() {
    dlgZoomFactor->setTexts(toQt(common::formatPlain(state_.options.xZoomFactor, separators_.decimal)),
                            toQt(common::formatPlain(state_.options.yZoomFactor, separators_.decimal)));
    if (!interaction_.runDialog(*dlgZoomFactor))
        return;
    // Both texts are converted before either factor changes.
    try {
        const long double x =
            common::parseFloat(dlgZoomFactor->firstText().toStdString(), separators_.decimal);
        const long double y =
            common::parseFloat(dlgZoomFactor->secondText().toStdString(), separators_.decimal);
        state_.options.xZoomFactor = x;
        state_.options.yZoomFactor = y;
    } catch (const common::ConversionError& error) {
        interaction_.showError(toQt(error.what()));
    }
}

void TMDIFrame::editAxisTexts() {
    dlgAxisText->setTexts(toQt(state_.options.xAxisText), toQt(state_.options.yAxisText));
    if (!interaction_.runDialog(*dlgAxisText))
        return;
    state_.options.xAxisText = dlgAxisText->firstText().toStdString();
    state_.options.yAxisText = dlgAxisText->secondText().toStdString();
    redraw();
}

void TMDIFrame::chooseAxisFont() {
    QFont font(toQt(state_.options.fontName));
    font.setPointSize(state_.options.fontSize > 0 ? state_.options.fontSize : graph::DefaultFontSize);
    font.setBold(state_.options.fontBold);
    font.setItalic(state_.options.fontItalic);
    font.setUnderline(state_.options.fontUnderline);
    const std::optional<QFont> chosen = interaction_.chooseFont(font);
    if (!chosen)
        return;
    state_.options.fontName = chosen->family().toStdString();
    if (chosen->pointSize() > 0)
        state_.options.fontSize = chosen->pointSize();
    state_.options.fontBold = chosen->bold();
    state_.options.fontItalic = chosen->italic();
    state_.options.fontUnderline = chosen->underline();
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
