#include "DataWindowFixture.h"
#include "regshell/TForm3ListsGrid.h"

#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

class DataWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithFortyNumberedRowsTheSettingsRangeAndTheVariablesLabel() {
        DataWindowFixture f("[Range1]\nCells[1,1]=20\n[AxisText]\nX=Time\n[ZoomFactor]\nY=3\n");
        QVERIFY(f.exposed);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 40);
        QCOMPARE(f.window->listsGrid()->model()->columnCount(), 2);
        QCOMPARE(f.window->listsGrid()->model()->headerData(39, Qt::Vertical).toString(),
                 QStringLiteral("40"));
        QCOMPARE(f.window->variablesLabel()->text(), QStringLiteral(" Variables: 1"));
        QCOMPARE(f.window->rangeTexts(), (common::RangeTexts{"0", "20", "1", "0", "10", "1"}));
        QCOMPARE(f.window->rangeGrid()->item(5, 0)->text(), QStringLiteral("Ystep"));
        QCOMPARE(f.window->xAxisName(), std::string("Time"));
        QCOMPARE(f.window->yAxisName(), std::string("Y"));
        QCOMPARE(f.window->xZoomFactor(), std::string("2"));
        QCOMPARE(f.window->yZoomFactor(), std::string("3"));
        QCOMPARE(f.window->currentColumn(), 1);
        QCOMPARE(f.window->currentRow(), 1);
        QVERIFY(!f.window->isRedrawEnabled());
        QCOMPARE(f.window->pages()->tabText(2), QStringLiteral("&Graph and Range"));
    }

    void tabOrDownNearTheEndGrowsTheGridSevenRowsBelowTheCurrentRow() {
        DataWindowFixture f;
        f.window->setCurrentCell(1, 30);
        f.press(Qt::Key_Tab);
        QCOMPARE(f.window->lists().rowCount(), 41);
        QCOMPARE(f.window->currentColumn(), 2);

        f.window->setCurrentCell(2, 35);
        f.type(QStringLiteral("9"));
        f.press(Qt::Key_Tab);
        QCOMPARE(f.cell(2, 35), std::string("9")); // the typed text survives the growth
        QCOMPARE(f.window->lists().rowCount(), 42);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 41);
        QCOMPARE(f.window->listsGrid()->model()->headerData(40, Qt::Vertical).toString(),
                 QStringLiteral("41"));
        QCOMPARE(f.window->currentRow(), 36); // Tab from the last list goes on in the next row

        f.press(Qt::Key_Down);
        QCOMPARE(f.window->lists().rowCount(), 43);
        QCOMPARE(f.window->currentRow(), 37);
        QVERIFY(f.host.modifiedCount > 0);
    }

    void typedTextIsStoredAndARefusedTextIsReportedAndNotStored() {
        DataWindowFixture f;
        f.window->setCurrentCell(1, 1);
        f.type(QStringLiteral("12.5"));
        f.press(Qt::Key_Tab);
        QCOMPARE(QString::fromStdString(f.cell(1, 1)), QStringLiteral("12.5"));
        QVERIFY(f.host.modifiedCount >= 5);

        f.type(QStringLiteral("1;2"));
        f.press(Qt::Key_Tab);
        QVERIFY(f.window->lists().isEmpty(2, 1));
        QCOMPARE(f.host.scripted.messages,
                 QStringList{QStringLiteral("A cell must not contain \";\", \"#\" or a line break.")});
    }

    void textBeingTypedReachesTheContentBeforeItIsSaved() {
        DataWindowFixture f;
        f.window->setCurrentCell(2, 3);
        f.type(QStringLiteral("7"));
        QCOMPARE(f.window->content().lists.cell(2, 3), std::string_view("7"));
    }

    void insertAndDeleteRowMoveTheCellsBelowTheCurrentRow() {
        DataWindowFixture f;
        f.fill(1, {"a", "b"});
        f.fill(2, {"1", "2"});
        f.window->setCurrentCell(1, 1);
        f.window->insertRow();
        QCOMPARE(f.window->lists().rowCount(), 42);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 41);
        QVERIFY(f.window->lists().isEmpty(1, 1));
        QVERIFY(f.window->lists().isEmpty(2, 1));
        QCOMPARE(f.cell(1, 2), std::string("a"));
        QCOMPARE(f.cell(2, 3), std::string("2"));
        f.window->commitEdit(); // the open editor shows the emptied cell, not the old text
        QVERIFY(f.window->lists().isEmpty(1, 1));

        f.window->deleteRow();
        QCOMPARE(f.window->lists().rowCount(), 41);
        QCOMPARE(f.cell(1, 1), std::string("a"));
        f.window->deleteRow(); // 41 rows stay 41
        QCOMPARE(f.window->lists().rowCount(), 41);
        QCOMPARE(f.cell(1, 1), std::string("b"));
    }

    void sortingTheSelectedListMovesWholeRowsAndANonNumberStopsIt() {
        DataWindowFixture f;
        f.fill(1, {"a", "b", "c"});
        f.fill(2, {"3", "1", "2"});
        f.host.selectedColumn = 2;
        f.window->sortSelectedList();
        QCOMPARE(f.cell(2, 1) + f.cell(2, 2) + f.cell(2, 3), std::string("123"));
        QCOMPARE(f.cell(1, 1) + f.cell(1, 2) + f.cell(1, 3), std::string("bca"));

        f.fill(2, {"3", "x"});
        f.window->sortSelectedList();
        QCOMPARE(f.host.scripted.errors,
                 QStringList{QStringLiteral("'x' is not a valid floating point value")});
        QCOMPARE(f.cell(2, 1), std::string("3"));
    }

    void clearAllAsksAndOnYesEmptiesTheGridButKeepsTheHeaders() {
        DataWindowFixture f;
        f.window->lists().setHeader(1, "X1: A");
        f.fill(1, {"1", "2"});
        f.window->lists().setCell(2, 60, "far");
        f.window->listsChanged();
        f.window->setCurrentCell(2, 50);
        const int redrawsBefore = f.host.selectionRedrawCount;

        f.window->clearAll();
        QCOMPARE(f.host.scripted.questions,
                 QStringList{QStringLiteral("Are you sure you want to delete all the data?")});
        QCOMPARE(f.cell(1, 2), std::string("2"));

        f.host.scripted.yesNoAnswers = {true};
        f.window->clearAll();
        QVERIFY(f.window->lists().isEmpty(1, 1));
        QCOMPARE(f.window->lists().rowCount(), 41);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 40);
        QCOMPARE(std::string(f.window->lists().header(1)), std::string("X1: A"));
        QCOMPARE(f.window->currentColumn(), 1);
        QCOMPARE(f.window->currentRow(), 1);
        QCOMPARE(f.host.selectionRedrawCount, redrawsBefore + 1); // only the Yes redraws
    }

    void copyColumnPasteAndUndoPasteWorkFromTheCopyBuffer() {
        DataWindowFixture f;
        f.window->lists().setHeader(1, "X1: A");
        f.window->lists().setHeader(2, "Y: Y");
        f.fill(1, {"1", "2"});
        f.fill(2, {"7", "8", "9"});
        QVERIFY(!f.window->canPaste());
        QVERIFY(!f.window->popupMenu()->actions().at(2)->isEnabled());

        f.window->setCurrentCell(1, 5);
        f.window->copyColumn();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\n2\n"));
        QVERIFY(f.window->canPaste());
        QVERIFY(f.window->popupMenu()->actions().at(2)->isEnabled());
        QVERIFY(!f.window->canUndoPaste());

        f.window->setCurrentCell(2, 1);
        f.window->paste();
        QCOMPARE(f.cell(2, 1) + f.cell(2, 2), std::string("12"));
        QVERIFY(f.window->lists().isEmpty(2, 3));
        QCOMPARE(std::string(f.window->lists().header(2)), std::string("Y: Y"));
        QVERIFY(f.window->canUndoPaste());

        f.window->undoPaste();
        QCOMPARE(f.cell(2, 1) + f.cell(2, 2) + f.cell(2, 3), std::string("789"));
        QVERIFY(!f.window->canUndoPaste());
        QVERIFY(!f.window->popupMenu()->actions().at(3)->isEnabled());

        f.window->copyRow();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\n7\n"));
    }

    void ctrlVPastesATabSeparatedBlockGrowingTheRowsAndUndoPasteTakesItBack() {
        DataWindowFixture f;
        f.fill(1, {"keep"});
        QApplication::clipboard()->setText(QStringLiteral("1\t2\r\n3\t4\r\n5\t6\r\n"));
        f.window->setCurrentCell(1, 39);
        f.press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.window->lists().rowCount(), 42);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 41);
        QCOMPARE(f.cell(1, 39) + f.cell(2, 39) + f.cell(1, 41) + f.cell(2, 41), std::string("1256"));
        QVERIFY(f.window->canUndoPaste());

        f.window->undoPaste();
        QCOMPARE(f.window->lists().rowCount(), 41);
        QVERIFY(f.window->lists().isEmpty(1, 39));
        QCOMPARE(f.cell(1, 1), std::string("keep"));

        QApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n"));
        f.window->pasteFromClipboard();
        QCOMPARE(f.host.scripted.messages.size(), 1);
        QVERIFY(f.window->lists().isEmpty(1, 39));
    }

    void ctrlCPutsTheSelectedCellsOnTheClipboardAsTabSeparatedLines() {
        DataWindowFixture f;
        f.fill(1, {"1", "2", "3"});
        f.fill(2, {"4", "5", "6"});
        auto* grid = f.window->listsGrid();
        grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
                                       QItemSelectionModel::ClearAndSelect);
        f.press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t4\n2\t5\n"));
    }

    void typingInTheRangeFieldsSetsTheModifiedFlagAndEnablesRedraw() {
        DataWindowFixture f;
        QTest::keyClicks(f.window->xAxisEdit(), "t");
        QCOMPARE(f.host.modifiedCount, 1);
        QVERIFY(f.window->isRedrawEnabled());
        f.window->redrawWithNewRange();
        QVERIFY(!f.window->isRedrawEnabled());
        QCOMPARE(f.host.redrawCount, 1);

        QTest::keyClick(f.window->rangeGrid(), Qt::Key_5);
        QCOMPARE(f.host.modifiedCount, 2);
        QVERIFY(f.window->isRedrawEnabled());

        QTest::keyClicks(f.window->logEditor(), "ab");
        QCOMPARE(f.host.modifiedCount, 4);
        f.window->appendLogLine("LINEAR REGRESSION:");
        QCOMPARE(f.host.modifiedCount, 4); // lines written by computations are no edit
    }

    void savedAndStandardRangesFillTheGridAndEnableRedraw() {
        DataWindowFixture f("[Range2]\nCells[1,0]=-9\n");
        f.window->saveRangeValues();
        f.window->loadStandardRange(reggraph::StandardRange::Second);
        QCOMPARE(f.window->rangeTexts(), (common::RangeTexts{"-9", "6", "1", "-5", "5", "1"}));
        QVERIFY(f.window->isRedrawEnabled());
        f.window->redrawWithNewRange();
        f.window->openSavedRangeValues();
        QCOMPARE(f.window->rangeTexts(), (common::RangeTexts{"0", "12", "1", "0", "10", "1"}));
        QVERIFY(f.window->isRedrawEnabled());
        QCOMPARE(f.host.redrawCount, 1); // standard ranges only fill the grid
    }

    void fontChosenInTheDialogGoesToTheGraphWhichIsRedrawn() {
        DataWindowFixture f;
        f.window->chooseGraphFont(); // cancelled
        QCOMPARE(f.host.redrawCount, 0);
        f.host.scripted.fontAnswers = {QFont(QStringLiteral("Serif"), 14)};
        f.window->chooseGraphFont();
        QCOMPARE(f.host.font.pointSize(), 14);
        QCOMPARE(f.host.redrawCount, 1);
    }

    void upDownWidensTheWindowAndPlacesTheGraphBesideIt() {
        DataWindowFixture f;
        const int widths[] = {242, 330, 418, 506, 594};
        const int graphLefts[] = {248, 336, 424, 512, 600};
        const int graphWidths[] = {745, 657, 569, 481, 393};
        for (int position : {4, 0, 2, 1, 3}) {
            f.window->setWidthPosition(position);
            QCOMPARE(f.window->width(), widths[position]);
            QCOMPARE(f.host.graphPlacements.back(),
                     std::make_pair(graphLefts[position], graphWidths[position]));
        }
    }

    void onASmallWindowTheRangePageKeepsItsGroupsClearOfTheRangeGrid() {
        DataWindowFixture f;
        TForm3* window = f.window.release();
        QMdiArea area;
        QMdiSubWindow* frame = area.addSubWindow(window);
        area.resize(300, 300);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        window->findChild<QTabWidget*>()->setCurrentIndex(2);
        frame->resize(250, 240);
        QApplication::processEvents();
        const auto placed = [window](const QWidget* widget) {
            return QRect(widget->mapTo(window, QPoint()), widget->size());
        };
        std::vector<QRect> taken = {placed(window->rangeGrid())};
        for (const QGroupBox* group : window->findChildren<QGroupBox*>()) {
            for (const QRect& other : taken)
                QVERIFY(!placed(group).intersects(other));
            taken.push_back(placed(group));
        }
        QCOMPARE(taken.size(), std::size_t(3));
    }

    void selectingACellRedrawsTheGraphWithoutABoxForCellsThatAreNotNumbers() {
        DataWindowFixture f;
        const int before = f.host.selectionRedrawCount;
        f.press(Qt::Key_Tab);
        QCOMPARE(f.host.selectionRedrawCount, before + 1);
        QCOMPARE(f.host.redrawCount, 0);
        f.window->updateGraph(); // the button keeps the box
        QCOMPARE(f.host.redrawCount, 1);
    }

    void rowNumbersOf10000PastedRowsStayBesideTheirCellsUnderTheHeaders() {
        DataWindowFixture f;
        QString rows;
        for (int row = 1; row <= 10000; ++row)
            rows += QStringLiteral("%1\t%2\n").arg(row).arg(2 * row);
        QApplication::clipboard()->setText(rows);
        // Pasted while a cell is being typed, as the always open editor invites.
        f.window->setCurrentCell(1, 1);
        f.type(QStringLiteral("5"));
        f.press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.cell(2, 10000), std::string("20000"));
        QApplication::processEvents();

        regshell::ListsGrid* grid = f.window->listsGrid();
        const QHeaderView* numbers = grid->verticalHeader();
        const QHeaderView* headers = grid->horizontalHeader();
        QVERIFY(numbers->width() > numbers->fontMetrics().horizontalAdvance(QStringLiteral("10006")));
        QCOMPARE(grid->viewport()->x(), numbers->x() + numbers->width());
        QCOMPARE(headers->x(), grid->viewport()->x());
        QCOMPARE(headers->sectionViewportPosition(1), grid->columnViewportPosition(1));
    }

    void shownContentAndContentStayInStep() {
        DataWindowFixture f;
        projects::DataWindowContent& content = f.window->content();
        content.lists.setVariableCount(3);
        content.lists.setCell(4, 100, "y");
        content.range = {"-1", "1", "0.5", "-2", "2", "1"};
        content.xAxisName = "Age";
        content.log = {"first", "", "  third"};
        f.window->showContent();
        QCOMPARE(f.window->variablesLabel()->text(), QStringLiteral(" Variables: 3"));
        QCOMPARE(f.window->listsGrid()->model()->columnCount(), 4);
        QCOMPARE(f.window->listsGrid()->model()->rowCount(), 100);
        QCOMPARE(f.window->rangeText(common::Xstep), std::string("0.5"));
        QCOMPARE(f.window->xAxisEdit()->text(), QStringLiteral("Age"));
        QCOMPARE(f.window->logLines(), (std::vector<std::string>{"first", "", "  third"}));

        f.window->setRangeText(common::Ymax, "9");
        f.window->clearLog();
        QCOMPARE(f.window->content().range[4], std::string("9"));
        QVERIFY(f.window->content().log.empty());
    }
};

QTEST_MAIN(DataWindowTest)
#include "DataWindowTest.moc"
