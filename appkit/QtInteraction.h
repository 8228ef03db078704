#pragma once

#include "appkit/Interaction.h"

class QWidget;

namespace appkit {

// The modal interactions on the screen, owned by the window given as parent.
class QtInteraction : public Interaction {
public:
    explicit QtInteraction(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    bool askYesNo(const QString& text) override;
    std::optional<QString> askText(const QString& caption, const QString& prompt,
                                   const QString& text) override;
    std::optional<QFont> chooseFont(const QFont& font) override;
    QString chooseFileToOpen(const FileChoice& choice) override;
    QString chooseFileToSave(const FileChoice& choice) override;
    bool runDialog(QDialog& dialog) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QWidget* parent_;
};

} // namespace appkit
