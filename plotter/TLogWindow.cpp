#include "plotter/TLogWindow.h"

#include "plotter/Texts.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

TLogWindow::TLogWindow(QWidget* parent) : QWidget(parent), Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("LogWindow"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    setWindowTitle(QStringLiteral("Log"));
}

void TLogWindow::appendLine(const QString& line) {
    // A text box holding only one empty line looks empty and would take the next line into that
    // same line; the count keeps the empty line a line of its own.
    if (lineCount_ > 0 && Memo1->document()->isEmpty()) {
        QTextCursor cursor(Memo1->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(line);
    } else {
        Memo1->appendPlainText(line);
    }
    ++lineCount_;
}

void TLogWindow::appendLogLine(const std::string& line) {
    appendLine(QString::fromStdString(line));
}

void TLogWindow::clear() {
    Memo1->clear();
    lineCount_ = 0;
}

QStringList TLogWindow::lines() const {
    if (lineCount_ == 0)
        return {};
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void TLogWindow::translate() {
    setWindowTitle(plotter::plainText("Log", windowTitle()));
}
