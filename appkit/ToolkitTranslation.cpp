#include "appkit/ToolkitTranslation.h"

#include "translation/Translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <array>
#include <cstring>
#include <optional>

namespace appkit {

namespace {

// A Qt text, by its context and English source, and the language-file key that translates it.
struct ToolkitText {
    const char* context;
    const char* source;
    const char* key;
};

constexpr std::array ToolkitTexts{
    ToolkitText{"QPlatformTheme", "OK", "OK"},
    ToolkitText{"QPlatformTheme", "Cancel", "Cancel"},
    ToolkitText{"QPlatformTheme", "&Yes", "Yes"},
    ToolkitText{"QPlatformTheme", "&No", "No"},
    ToolkitText{"QPlatformTheme", "Apply", "Apply"},
    ToolkitText{"QPlatformTheme", "Close", "Close"},
    ToolkitText{"QFileDialog", "Look in:", "FileDialogLookIn"},
};

// Answers the texts of ToolkitTexts from the loaded language file; every other text, and a key
// the file lacks, falls through to Qt's catalogue or Qt's English.
class LanguageFileTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* source, const char*, int) const override {
        for (const ToolkitText& text : ToolkitTexts) {
            if (std::strcmp(text.context, context) != 0 || std::strcmp(text.source, source) != 0)
                continue;
            const std::optional<std::string> value = translation::translator().lookUp(text.key);
            return value ? QString::fromStdString(*value) : QString();
        }
        return {};
    }
};

// The locale whose language English name is `languageName` ("Swedish"); nothing for a name Qt
// does not know.
std::optional<QLocale> localeNamed(const std::string& languageName) {
    const QString name = QString::fromStdString(languageName);
    for (int language = QLocale::AnyLanguage + 1; language <= QLocale::LastLanguage; ++language) {
        if (QLocale::languageToString(QLocale::Language(language)).compare(name, Qt::CaseInsensitive) == 0)
            return QLocale(QLocale::Language(language));
    }
    return std::nullopt;
}

constexpr const char* TranslatorName = "appkit toolkit translation";

} // namespace

void installToolkitTranslation(const std::string& languageName) {
    QCoreApplication* application = QCoreApplication::instance();
    for (QTranslator* installed :
         application->findChildren<QTranslator*>(QLatin1String(TranslatorName), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    // Qt asks the translator installed last first, so the language file's texts come before the catalogue's.
    if (const std::optional<QLocale> locale = localeNamed(languageName);
        locale && locale->language() != QLocale::English) {
        auto* catalogue = new QTranslator(application);
        catalogue->setObjectName(QLatin1String(TranslatorName));
        if (catalogue->load(*locale, QStringLiteral("qt"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(catalogue);
        else
            delete catalogue;
    }
    auto* ownTexts = new LanguageFileTexts(application);
    ownTexts->setObjectName(QLatin1String(TranslatorName));
    QCoreApplication::installTranslator(ownTexts);
}

} // namespace appkit
