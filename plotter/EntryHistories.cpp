#include "plotter/EntryHistories.h"

#include "appkit/Interaction.h"
#include "plotter/FunctionHistory.h"
#include "plotter/Texts.h"

#include <QComboBox>

namespace plotter {

EntryHistories::EntryHistories(QComboBox& entryBox, appkit::Interaction& interaction)
    : entryBox_(entryBox), interaction_(interaction) {}

QStringList EntryHistories::entryList() const {
    QStringList list;
    for (int i = 0; i < entryBox_.count(); ++i)
        list.append(entryBox_.itemText(i));
    return list;
}

void EntryHistories::setEntryList(const QStringList& list) {
    const QString text = entryBox_.currentText();
    entryBox_.clear();
    entryBox_.addItems(list);
    entryBox_.setEditText(text);
}

void EntryHistories::enterIntoEntryList(const QString& text) {
    QStringList list = entryList();
    enterIntoHistory(list, text);
    setEntryList(list);
}

void EntryHistories::emptyFunctionHistory() {
    if (interaction_.askYesNo(plainText("DeleteAllTheFunctions")))
        setEntryList({});
}

void EntryHistories::keepListAsHistoryOf(QChar mode) {
    if (mode == QLatin1Char('F'))
        functionHistory_ = entryList();
    else if (mode == QLatin1Char('I'))
        integralHistory_ = entryList();
}

void EntryHistories::listHistoryOf(QChar mode) {
    setEntryList(mode == QLatin1Char('F') ? functionHistory_ : integralHistory_);
}

void EntryHistories::read(const common::IniFile& settings) {
    setEntryList(readHistory(settings, "FunctionCombo", "F"));
    integralHistory_ = readHistory(settings, "IntegralCombo", "I");
    functionHistory_ = entryList();
}

void EntryHistories::write(common::IniFile& settings) const {
    writeHistory(settings, "FunctionCombo", "F", functionHistory_);
    writeHistory(settings, "IntegralCombo", "I", integralHistory_);
}

} // namespace plotter
