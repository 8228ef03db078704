#pragma once

#include "appkit/FixedTextBox.h"

// The Information box: what the plotting program Quorra does, in English.
class TForm13 : public appkit::FixedTextBox {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent = nullptr);
};
