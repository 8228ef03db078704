#pragma once

#include "../support/ScriptedInteraction.h"
#include "regshell/DataWindowHost.h"

#include <utility>
#include <vector>

// The main window's part as the Data window sees it: counts what it is asked to do.
class FakeDataWindowHost : public regshell::DataWindowHost {
public:
    ScriptedInteraction scripted;
    int modifiedCount = 0;
    int redrawCount = 0;
    int selectionRedrawCount = 0; // redraws that leave rows with bad cells out
    int selectedColumn = 1;
    int clientWidth = 1000;
    QFont font{QStringLiteral("Sans"), 8};
    std::vector<std::pair<int, int>> graphPlacements; // left, width

    void setModified() override { ++modifiedCount; }
    void redrawGraph() override { ++redrawCount; }
    void redrawGraphLeavingOutBadRows() override { ++selectionRedrawCount; }
    QFont graphFont() const override { return font; }
    void applyGraphFont(const QFont& chosen) override { font = chosen; }
    int mainClientWidth() const override { return clientWidth; }
    void placeGraphWindow(int left, int width) override { graphPlacements.emplace_back(left, width); }
    int selectedListColumn() const override { return selectedColumn; }
    appkit::Interaction& interaction() override { return scripted; }
};
