#include "plotter/TMDIFrame.h"

#include "appkit/Interaction.h"
#include "common/IniFile.h"
#include "plotter/TdlgSelectLanguage.h"
#include "plotter/Texts.h"
#include "translation/Translator.h"

#include <QDir>
#include <filesystem>

// The choice of the language, which takes effect at the next start.

using appkit::toQt;
using plotter::plainText;

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
