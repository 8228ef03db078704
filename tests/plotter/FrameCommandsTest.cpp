#include "FrameFixture.h"
#include "graph/TGraphWindow.h"
#include "plotter/CommandTable.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <stdexcept>
#include <vector>

using plotter::MenuId;

class FrameCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTranslatedCaptionsAndNoMissingTranslation() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QVERIFY2(fixture.interaction.messages.isEmpty(), qPrintable(fixture.interaction.messages.join('\n')));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Quorra - Untitled"));
        QCOMPARE(frame.rangeWindow()->windowTitle(), QStringLiteral("Range"));
        QCOMPARE(frame.logWindow()->windowTitle(), QStringLiteral("Log"));
        QCOMPARE(frame.command(CommandId::AxisTextFont)->text(), QStringLiteral("Axis Text &Font..."));
        QCOMPARE(frame.command(CommandId::Log)->text(), QStringLiteral("Lo&g"));
        QCOMPARE(frame.menu(MenuId::Tessaly)->menuAction()->text(), QStringLiteral("&Tessaly"));
        QVERIFY(!frame.command(CommandId::ToggleFrame)->isVisible());
    }

    void startsInSwedishWithoutMissingTranslations() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath, "[Options]\nLanguage=Swedish\n");
        TMDIFrame& frame = fixture.start();
        QVERIFY2(fixture.interaction.messages.isEmpty(), qPrintable(fixture.interaction.messages.join('\n')));
        QVERIFY(fixture.interaction.errors.isEmpty());
        QVERIFY(frame.windowTitle() != QStringLiteral("Quorra - Untitled"));
        translation::translator().LoadLanguage("English");
    }

    void missingTranslationIsReportedInAMessageBoxAndTheDefaultCaptionStays() {
        FrameFixture fixture;
        TempFolder::write(fixture.folder / "qorTiny.lng", "File=&Arkiv\n");
        TempFolder::write(fixture.settingsPath, "[Options]\nLanguage=Tiny\n");
        translation::translator().setLanguageFiles(fixture.folder.path(), "qor");
        TMDIFrame& frame = fixture.start();
        QVERIFY(fixture.interaction.messages.contains(QStringLiteral("Translation not available: Untitled")));
        QCOMPARE(frame.menu(MenuId::File)->menuAction()->text(), QStringLiteral("&Arkiv"));
        QCOMPARE(frame.command(CommandId::New)->text(), QStringLiteral("&New"));
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "qor");
        translation::translator().LoadLanguage("English");
    }

    void duplicatedShortcutsGoToTheFirstItemInMenuOrder() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const auto shortcut = [&](CommandId id) { return frame.command(id)->shortcut().toString(); };
        QCOMPARE(shortcut(CommandId::Normal), QStringLiteral("Ctrl+N"));
        QCOMPARE(shortcut(CommandId::Minimum), QString());
        QCOMPARE(shortcut(CommandId::Tangent), QStringLiteral("Ctrl+T"));
        QCOMPARE(shortcut(CommandId::YIntersection), QString());
        QCOMPARE(shortcut(CommandId::Maximum), QStringLiteral("Ctrl+X"));
        QCOMPARE(shortcut(CommandId::XCalc), QString());
        QCOMPARE(shortcut(CommandId::Root), QStringLiteral("Ctrl+R"));
        QCOMPARE(shortcut(CommandId::Save), QStringLiteral("Ctrl+S"));
        QCOMPARE(shortcut(CommandId::YCalc), QStringLiteral("Ctrl+Y"));
    }

    void toolbarHasSixteenButtonsInOrderWithTranslatedHints() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        auto* toolBar = frame.findChild<QToolBar*>(QStringLiteral("Panel2"));
        QStringList names;
        QStringList hints;
        int groups = 1;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) {
                ++groups;
                continue;
            }
            QWidget* button = toolBar->widgetForAction(action);
            names.append(button->objectName());
            hints.append(action->toolTip());
            QVERIFY(!action->icon().isNull());
        }
        QCOMPARE(names, QStringList({"toolbtnFunctionMode", "toolbtnIntegralMode", "toolbtnPlotFunction",
                                     "toolbtnEraseFunction", "toolbtnZoomIn", "toolbtnZoomOut",
                                     "toolbtnZoomBox", "toolbtnUndoZoom", "toolbtnRoot", "toolbtnMax",
                                     "toolbtnMin", "toolbtnYIntersection", "toolbtnIntersection",
                                     "toolbtnYCalc", "toolbtnXCalc", "toolbtnTrace"}));
        QCOMPARE(groups, 5);
        QCOMPARE(hints[4], QStringLiteral("Zoom In"));
        QCOMPARE(hints[10], QStringLiteral("Minimum"));
        QCOMPARE(hints[0], QStringLiteral("Function mode"));
    }

    void aCommandWithoutRowOrHandlerStopsTheStart() {
        QWidget owner;
        QMenuBar menuBar;
        QToolBar toolBar;
        std::vector<plotter::CommandRow> rows;
        for (std::size_t id = 0; id < plotter::CommandCount; ++id)
            rows.push_back({CommandId(id), "Command", "Command", nullptr, nullptr, false, [] {}});
        std::vector<plotter::CommandRow> withoutHandler = rows;
        withoutHandler[std::size_t(CommandId::ZoomIn)].run = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 plotter::CommandTable(owner, menuBar, toolBar, withoutHandler));
        std::vector<plotter::CommandRow> withoutRow = rows;
        withoutRow.pop_back();
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 plotter::CommandTable(owner, menuBar, toolBar, withoutRow));
    }

    void armingAToolShowsItInTheStatusLineAndDisarmsTheOthers() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.armTool(graph::RootTool);
        frame.armTool(graph::YIntersectionTool);
        QCOMPARE(frame.statusText(), QStringLiteral("Select a range on the graph: Y-Intersection"));
        const auto& armed = frame.graphWindow()->graph().armedTools;
        QVERIFY(armed[graph::YIntersectionTool]);
        QVERIFY(!armed[graph::RootTool]);
    }

    void displaySwitchesAndLineStylesChangeTheOptions() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::ShowScaleText);
        QVERIFY(!frame.options().showScaleText);
        fixture.trigger(CommandId::DottedLines);
        QVERIFY(frame.options().dottedLines && !frame.options().boldLines);
        fixture.trigger(CommandId::NormalLines);
        QVERIFY(!frame.options().dottedLines && !frame.options().boldLines);
        QVERIFY(frame.command(CommandId::NormalLines)->isChecked());
        QVERIFY(!frame.command(CommandId::DottedLines)->isChecked());
    }

    void menuShortcutsReachTheirCommandsFromTheEntryBox() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QLineEdit* edit = frame.entryBox()->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("x^2"));
        edit->selectAll();

        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(frame.statusText(), QStringLiteral("Select a range on the graph: Maximum"));
        QCOMPARE(edit->text(), QStringLiteral("x^2"));
        QTest::keyClick(edit, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(frame.statusText(), QStringLiteral("Select a range on the graph: Root"));

        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fixture.interaction.dialogsShown, QStringList({"Copy2ClipboardMessage"}));

        // Keys that no command carries keep editing the text.
        edit->deselect();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QStringLiteral("x^2"));
    }

    void defaultLayoutPlacesTheFourWindows() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QMdiSubWindow* pad = frame.subWindowOf(frame.functionPad());
        QMdiSubWindow* range = frame.subWindowOf(frame.rangeWindow());
        QMdiSubWindow* log = frame.subWindowOf(frame.logWindow());
        QMdiSubWindow* graphFrame = frame.subWindowOf(frame.graphWindow());
        QCOMPARE(pad->pos(), QPoint(3, 3));
        QCOMPARE(graphFrame->x(), pad->x() + pad->width() + 10);
        QCOMPARE(graphFrame->y(), 3);
        QCOMPARE(range->width(), pad->width());
        QCOMPARE(log->x(), 3);
        QCOMPARE(log->y(), range->y() + range->height() + 3);
        QCOMPARE(frame.rangeWindow()->width(), frame.functionPad()->width());

        pad->move(100, 100);
        graphFrame->resize(200, 100);
        fixture.trigger(CommandId::DefaultPosition);
        QCOMPARE(pad->pos(), QPoint(3, 3));
        QCOMPARE(graphFrame->x(), pad->x() + pad->width() + 10);

        fixture.trigger(CommandId::MakeGraphWindowQuadratic);
        QCOMPARE(frame.graphWindow()->width(), frame.graphWindow()->height());
    }

    void childWindowsCannotBeClosed() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QMdiSubWindow* range = frame.subWindowOf(frame.rangeWindow());
        range->close();
        QVERIFY(range->isVisible());
        QVERIFY(frame.rangeWindow() != nullptr);
    }
};

QTEST_MAIN(FrameCommandsTest)
#include "FrameCommandsTest.moc"
