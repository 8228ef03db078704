#include "plotter/TMDIFrame.h"

#include "common/IniFile.h"
#include "graph/TGraphWindow.h"
#include "plotter/TLogWindow.h"

#include <QComboBox>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTableWidget>

// Where the frame and its child windows stand: the default layout, the square graph, and the
// positions saved in the settings file.

namespace {

constexpr int EntryBoxLeft = 40;
constexpr int EntryBoxMargin = 60;

} // namespace

void TMDIFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeEntryBox();
    if (followFirstResize_ && isMaximized()) {
        followFirstResize_ = false;
        defaultLayout();
    }
}

void TMDIFrame::placeEntryBox() {
    ComboBox1->setGeometry(EntryBoxLeft, 4, std::max(frameGeometry().width() - EntryBoxMargin, 60), 24);
}

void TMDIFrame::setClientSize(QMdiSubWindow* window, QSize clientSize) {
    QWidget* client = window->widget();
    if (window->layout())
        window->layout()->activate();
    const QSize border = window->size() - client->size();
    window->resize(clientSize + border);
}

void TMDIFrame::defaultLayout() {
    if (!isMaximized()) {
        if (const QScreen* display = screen())
            setGeometry(display->availableGeometry());
        showMaximized();
    }
    if (centralWidget()->layout())
        centralWidget()->layout()->activate();
    const QSize area = mdiArea_->viewport()->size();

    QMdiSubWindow* pad = subWindowOf(FunctionPadWindow);
    pad->showNormal();
    pad->move(3, 3);
    setClientSize(pad, FunctionPadWindow->designClientSize());

    QMdiSubWindow* graphFrame = subWindowOf(GraphWindow);
    graphFrame->showNormal();
    graphFrame->setGeometry(pad->x() + pad->width() + 10, 3, area.width() - pad->x() - pad->width() - 17,
                            area.height() - 10);

    QMdiSubWindow* range = subWindowOf(RangeWindow);
    range->showNormal();
    const int frameClientHeight = height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    if (frameClientHeight > 500)
        range->move(pad->x(), pad->y() + pad->height() + 3);
    else
        range->move(pad->x() + 7, pad->y() + 60);
    const QWidget* grid = RangeWindow->grid();
    setClientSize(range, QSize(FunctionPadWindow->width(), grid->y() + grid->height() + 2));

    QMdiSubWindow* log = subWindowOf(LogWindow);
    log->showNormal();
    const int logTop = range->y() + range->height() + 3;
    log->move(pad->x(), logTop);
    setClientSize(log, QSize(FunctionPadWindow->width(), 10));
    log->resize(log->width(), std::max(area.height() - logTop - 7, log->minimumSizeHint().height()));
    placeEntryBox();
}

void TMDIFrame::makeGraphWindowQuadratic() {
    QMdiSubWindow* window = subWindowOf(GraphWindow);
    const QSize client = GraphWindow->size();
    if (client.height() < client.width())
        setClientSize(window, QSize(client.height(), client.height()));
    else
        setClientSize(window, QSize(client.width(), client.width()));
}

namespace {

struct SavedWindow {
    const char* section;
    QWidget* window;
};

} // namespace

void TMDIFrame::savePosition() {
    const SavedWindow windows[] = {{"MDIFrame", this},
                                   {"FunctionPadWindow", subWindowOf(FunctionPadWindow)},
                                   {"RangeWindow", subWindowOf(RangeWindow)},
                                   {"LogWindow", subWindowOf(LogWindow)},
                                   {"GraphWindow", subWindowOf(GraphWindow)}};
    try {
        settings_.update([&] {
            for (const SavedWindow& saved : windows) {
                settings_.writeInteger(saved.section, "Left", saved.window->x());
                settings_.writeInteger(saved.section, "Width", saved.window->width());
                settings_.writeInteger(saved.section, "Top", saved.window->y());
                settings_.writeInteger(saved.section, "Height", saved.window->height());
            }
        });
    } catch (const common::IniWriteError&) {
        // Positions are a convenience; the file keeps the positions saved before.
    }
}

void TMDIFrame::loadPosition() {
    const SavedWindow windows[] = {{"MDIFrame", this},
                                   {"FunctionPadWindow", subWindowOf(FunctionPadWindow)},
                                   {"RangeWindow", subWindowOf(RangeWindow)},
                                   {"LogWindow", subWindowOf(LogWindow)},
                                   {"GraphWindow", subWindowOf(GraphWindow)}};
    for (const SavedWindow& saved : windows) {
        const bool isFrame = saved.window == this;
        saved.window->showNormal();
        const int left = settings_.readInteger(saved.section, "Left", 0);
        const int width = settings_.readInteger(saved.section, "Width", isFrame ? 640 : 0);
        const int top = settings_.readInteger(saved.section, "Top", 0);
        const int height = settings_.readInteger(saved.section, "Height", isFrame ? 480 : 0);
        if (isFrame) {
            move(left, top);
            resize(width, height);
        } else {
            saved.window->setGeometry(left, top, width, height);
        }
    }
}
