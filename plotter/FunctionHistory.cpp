#include "plotter/FunctionHistory.h"

#include "common/IniFile.h"

#include <algorithm>
#include <string>

namespace plotter {

void enterIntoHistory(QStringList& history, const QString& text) {
    for (qsizetype i = 0; i < history.size(); ++i) {
        if (history[i].compare(text, Qt::CaseInsensitive) == 0) {
            history.removeAt(i);
            break;
        }
    }
    history.prepend(text);
    while (history.size() > MaxHistoryEntries)
        history.removeLast();
}

QStringList readHistory(const common::IniFile& file, std::string_view section, std::string_view keyPrefix) {
    const int count = std::min(file.readInteger(section, "Count", 0), MaxHistoryEntries);
    QStringList history;
    for (int i = 1; i <= count; ++i) {
        const std::string key = std::string(keyPrefix) + std::to_string(i);
        history.append(QString::fromStdString(file.readString(section, key, "")));
    }
    return history;
}

void writeHistory(common::IniFile& file, std::string_view section, std::string_view keyPrefix,
                  const QStringList& history) {
    file.update([&] {
        file.writeInteger(section, "Count", static_cast<int>(history.size()));
        for (qsizetype i = 0; i < history.size(); ++i) {
            const std::string key = std::string(keyPrefix) + std::to_string(i + 1);
            file.writeString(section, key, history[i].toStdString());
        }
    });
}

} // namespace plotter
