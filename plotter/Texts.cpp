#include "plotter/Texts.h"

#include "translation/Translator.h"

namespace plotter {

QString caption(std::string_view key) {
    return QString::fromStdString(translation::T(key));
}

QString plainText(std::string_view key) {
    return withoutAccelerators(caption(key));
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
