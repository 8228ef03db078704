#pragma once

#include "appkit/Interaction.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Answers the frame's modal interactions from prepared answers and records what was shown. A
// dialog with no prepared answer is cancelled, a Yes/No box answered No.
class ScriptedInteraction : public appkit::Interaction {
public:
    // Fills in the dialog's fields and says whether it is closed with OK.
    using DialogAnswer = std::function<bool(QDialog&)>;

    QStringList messages; // information boxes
    QStringList errors;   // error boxes
    QStringList questions;
    QStringList dialogsShown; // object names of the dialogs run
    std::deque<bool> yesNoAnswers;
    std::deque<DialogAnswer> dialogAnswers;
    std::deque<QString> textAnswers; // a null text cancels the input box
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<QString> fileAnswers; // names chosen in file dialogs; none cancels
    std::vector<appkit::FileChoice> fileChoices;
    int printerSetups = 0;

    void showMessage(const QString& text) override { messages.append(text); }
    void showError(const QString& text) override { errors.append(text); }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        return take(yesNoAnswers, false);
    }
    std::optional<QString> askText(const QString&, const QString& prompt, const QString&) override {
        questions.append(prompt);
        const QString answer = take(textAnswers, QString());
        if (answer.isNull())
            return std::nullopt;
        return answer;
    }
    std::optional<QFont> chooseFont(const QFont&) override {
        return take(fontAnswers, std::optional<QFont>());
    }
    QString chooseFileToOpen(const appkit::FileChoice& choice) override {
        fileChoices.push_back(choice);
        return take(fileAnswers, QString());
    }
    QString chooseFileToSave(const appkit::FileChoice& choice) override {
        fileChoices.push_back(choice);
        return take(fileAnswers, QString());
    }
    bool setUpPrinter(QPrinter&) override {
        ++printerSetups;
        return true;
    }
    bool runDialog(QDialog& dialog) override {
        dialogsShown.append(dialog.objectName());
        const DialogAnswer answer = take(dialogAnswers, DialogAnswer());
        return answer ? answer(dialog) : false;
    }

    void clear() {
        messages.clear();
        errors.clear();
        questions.clear();
        dialogsShown.clear();
    }

private:
    template <typename T> static T take(std::deque<T>& answers, T fallback) {
        if (answers.empty())
            return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
