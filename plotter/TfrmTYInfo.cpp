#include "plotter/TfrmTYInfo.h"

namespace {

constexpr const char* TessalyDescription =
    "External Program: Tessaly\n"
    "\n"
    "Tessaly analyses statistical data: type or paste your measurements into lists, and Tessaly finds "
    "the curve that describes them.\n"
    "\n"
    "It fits linear, logarithmic, exponential, power and polynomial models, and multiple regression "
    "over several independent variables.\n"
    "\n"
    "Tessaly can also find the best model for your data automatically, trying the models you choose "
    "and picking the one that fits best.\n"
    "\n"
    "Each result, with its equation and its correlation, is shown in the log window.\n"
    "\n"
    "The data and the fitted curves are drawn in a graph whose range you change by zooming or by "
    "typing the values.\n"
    "\n"
    "The graph can be copied to the clipboard for your word processor, and several data sets are "
    "kept as projects in one file.\n";

} // namespace

TfrmTYInfo::TfrmTYInfo(QWidget* parent)
    : appkit::FixedTextBox(QStringLiteral("Info"), QLatin1String(TessalyDescription), parent) {
    setObjectName(QStringLiteral("frmTYInfo"));
    resize(486, 336);
}
