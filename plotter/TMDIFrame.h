#pragma once

#include <QMainWindow>
#include <QStringList>

class QMdiArea;

// The main frame of Quorra: a multiple-document frame whose client area holds the child windows.
class TMDIFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TMDIFrame(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

private:
    QMdiArea* mdiArea_;
};
