#include "appkit/QtInteraction.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace appkit {

void QtInteraction::showMessage(const QString& text) {
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

void QtInteraction::showError(const QString& text) {
    QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

bool QtInteraction::askYesNo(const QString& text) {
    return QMessageBox::question(parent_, QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtInteraction::askText(const QString& caption, const QString& prompt,
                                              const QString& text) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, text, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

std::optional<QFont> QtInteraction::chooseFont(const QFont& font) {
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, font, parent_);
    if (!accepted)
        return std::nullopt;
    return chosen;
}

namespace {

// Shows a file dialog for opening or saving and gives the chosen file, or an empty text.
QString chooseFile(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, choice.caption, choice.folder, choice.filter);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(choice.defaultSuffix);
    if (!choice.fileName.isEmpty())
        dialog.selectFile(choice.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString QtInteraction::chooseFileToOpen(const FileChoice& choice) {
    return chooseFile(parent_, choice, QFileDialog::AcceptOpen);
}

QString QtInteraction::chooseFileToSave(const FileChoice& choice) {
    return chooseFile(parent_, choice, QFileDialog::AcceptSave);
}

bool QtInteraction::runDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

bool QtInteraction::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace appkit
