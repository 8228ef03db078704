#include "plotter/TLogWindow.h"

#include "plotter/Texts.h"

#include <QPlainTextEdit>
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
    Memo1->appendPlainText(line);
}

void TLogWindow::clear() {
    Memo1->clear();
}

QStringList TLogWindow::lines() const {
    const QString text = Memo1->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TLogWindow::translate() {
    setWindowTitle(plotter::plainText("Log", windowTitle()));
}
