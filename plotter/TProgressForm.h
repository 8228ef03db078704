#pragma once

#include <QWidget>

// A needle gauge from 0 to 100.
class TGauge : public QWidget {
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);
    int progress() const { return progress_; }
    void setProgress(int progress);
    QSize sizeHint() const override { return {220, 130}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int progress_ = 0;
};

// The window that shows how far a long picture export has come.
class TProgressForm : public QWidget {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    // Shows the finished fraction on the gauge, the window appearing when needed; above 0.9999 the
    // window goes away. The window is repainted at once, but input waits until the export ends, so
    // no command can start while a file is half written.
    void report(float fraction);

    TGauge* gauge() const { return Gauge1; }

private:
    TGauge* Gauge1;
};
