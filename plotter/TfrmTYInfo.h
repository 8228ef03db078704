#pragma once

#include "appkit/FixedTextBox.h"

// What the companion program Tessaly does, in English.
class TfrmTYInfo : public appkit::FixedTextBox {
    Q_OBJECT
public:
    explicit TfrmTYInfo(QWidget* parent = nullptr);
};
