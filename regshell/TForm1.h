#pragma once

#include <QMainWindow>

class QMdiArea;

// The main window of Tessaly: holds the Data window and the graph window and carries every command.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

private:
    QMdiArea* mdiArea_;
};
