#include "plotter/Texts.h"

#include "translation/Translator.h"

#include <string>

namespace plotter {

QString caption(std::string_view key, const QString& fallback) {
    std::string text = fallback.toStdString();
    translation::translator().Translate(key, text);
    return QString::fromStdString(text);
}

QString plainText(std::string_view key, const QString& fallback) {
    return withoutAccelerators(caption(key, fallback));
}

QString withoutAccelerators(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain.append(text[i]);
    }
    return plain;
}

} // namespace plotter
