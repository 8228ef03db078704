#pragma once

#include <QWidget>

// The start-up picture: product name, version and notice, shown until the frame's timer ends it.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
};
