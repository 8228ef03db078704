#include "plotter/StatusBarLine.h"

#include "appkit/ProgramSetup.h"

#include <QLabel>
#include <QStatusBar>

namespace plotter {

StatusBarLine::StatusBarLine(QStatusBar& statusBar) : label_(new QLabel(&statusBar)) {
    label_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar.addWidget(label_, 1);
}

void StatusBarLine::showStatus(const std::string& text) {
    label_->setText(appkit::toQt(text));
}

void StatusBarLine::clearStatus() {
    label_->clear();
}

QString StatusBarLine::text() const {
    return label_->text();
}

} // namespace plotter
