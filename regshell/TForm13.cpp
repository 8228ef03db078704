#include "regshell/TForm13.h"

#include <QPlainTextEdit>

namespace {

constexpr const char* QuorraDescription =
    "External program: Quorra\n"
    "\n"
    "Quorra is a function plotting and analyzing program. It draws graphs like y=2x and "
    "y=sin(x+10)-cos(x), with up to 12 graphs at the same time. Once a function is plotted, Quorra "
    "finds its roots, maximum and minimum values and its intersections with other graphs, and it can "
    "calculate and show an integration area. The range can be changed with the built-in zoom "
    "functions or by typing the range values. The graph window can be copied and pasted into a word "
    "processor. Your work can be saved and continued later. Quorra is available in two languages, "
    "English and Swedish.\n";

} // namespace

TForm13::TForm13(QWidget* parent)
    : appkit::FixedTextBox(QStringLiteral("Information"), QLatin1String(QuorraDescription), parent) {
    setObjectName(QStringLiteral("Form13"));
    memo()->setFixedSize(465, 173);
}
