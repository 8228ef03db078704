#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressDialog;
class QPushButton;

namespace appkit {
class Interaction;
}
namespace graph {
struct PlotOptions;
}

// The value table: x, the function's value and its derivative at evenly spaced points, as
// tab-separated lines that can be copied to the clipboard. It compiles the function itself, in the
// angle unit of the plotting options, and leaves the graph alone.
class TfrmValueTable : public QDialog {
    Q_OBJECT
public:
    // The table never holds more rows than this; a longer one is refused before anything changes.
    static constexpr long long MaxRows = 100000;

    TfrmValueTable(appkit::Interaction& interaction, const graph::PlotOptions& options, char decimalSeparator,
                   QWidget* parent = nullptr);

    void btnCalculateClick();
    void btnCopyToClipboardClick();
    void translate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The box that shows how far a long table has come, with a Cancel button.
    std::unique_ptr<QProgressDialog> makeProgressBox(long long rows);

    appkit::Interaction& interaction_;
    const graph::PlotOptions& options_;
    char decimalSeparator_;
    QLineEdit* editFunction;
    QLineEdit* editXmin;
    QLineEdit* editXmax;
    QLineEdit* editXstep;
    QLabel* lblXmin;
    QLabel* lblXmax;
    QLabel* lblXStep;
    QPlainTextEdit* Memo1;
    QPushButton* btnCalculate;
    QPushButton* btnCopyToClipboard;
};
