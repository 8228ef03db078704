#pragma once

class QDialog;
class QDialogButtonBox;

namespace plotter {

// OK and Cancel buttons that accept and reject `dialog`, captioned from "OK" and "Cancel".
QDialogButtonBox* addOkCancelButtons(QDialog& dialog);
void translateOkCancelButtons(QDialogButtonBox& buttons);

} // namespace plotter
