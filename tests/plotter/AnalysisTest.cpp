#include "FrameFixture.h"
#include "graph/AnalysisTools.h"
#include "graph/CurveColours.h"
#include "graph/TGraphWindow.h"
#include "graph/TraceMarker.h"
#include "plotter/AnalysisCommands.h"
#include "plotter/TSelectGraphWindow.h"
#include "plotter/TfrmValueTable.h"
#include "tests/graph/GraphTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

// Solve tools, integrals, trace, derived curves, erasing and the value table, driven through the
// real frame: commands are triggered, ranges dragged on the graph and the log read back.
class AnalysisTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FrameFixture> fixture;
    TMDIFrame* frame = nullptr;

    graph::TGraphWindow& window() { return *frame->graphWindow(); }
    const graph::GraphCoordinates& coordinates() { return window().graph().coordinates(); }
    QStringList log() { return frame->logWindow()->lines(); }
    QStringList logTail(int count) { return log().mid(std::max<qsizetype>(0, log().size() - count)); }

    void setRange(const common::RangeTexts& values) {
        frame->rangeWindow()->setRangeTexts(values);
        frame->rangeWindow()->applyRange();
    }

    QPoint pixelOf(long double x, long double y) {
        return {coordinates().columnOfX(x), coordinates().rowOfY(y)};
    }

    // Drags a selection from the top left (x1, y2) to the bottom right (x2, y1).
    void drag(long double x1, long double x2, long double y1, long double y2) {
        const QPoint start = pixelOf(x1, y2);
        const QPoint end = pixelOf(x2, y1);
        QTest::mousePress(&window(), Qt::LeftButton, {}, start);
        QTest::mouseMove(&window(), (start + end) / 2);
        QTest::mouseMove(&window(), end);
        QTest::mouseRelease(&window(), Qt::LeftButton, {}, end);
    }

    void solve(CommandId command, long double x1, long double x2, long double y1, long double y2) {
        fixture->trigger(command);
        drag(x1, x2, y1, y2);
    }

    // Red pixels of a marker within 6 pixels of (x, y).
    int redAround(long double x, long double y) {
        const QPoint centre = pixelOf(x, y);
        int count = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx) {
                const QPoint p = centre + QPoint(dx, dy);
                count += window().picture().rect().contains(p) &&
                         window().picture().pixelColor(p) == QColor(Qt::red);
            }
        return count;
    }

    // Selects `rows` in the select function dialog and closes it with OK.
    static ScriptedInteraction::DialogAnswer selectRows(QList<int> rows) {
        return [rows](QDialog& dialog) {
            auto& select = static_cast<TSelectGraphWindow&>(dialog);
            for (const int row : rows)
                select.list()->item(row)->setSelected(true);
            select.accept();
            return select.result() == QDialog::Accepted;
        };
    }

private slots:
    void init() {
        fixture = std::make_unique<FrameFixture>();
        frame = &fixture->start();
        setRange({"-5", "5", "1", "-5", "5", "1"});
    }
    void cleanup() {
        fixture.reset();
        frame = nullptr;
    }

    void rootsAreLoggedAndMarked() {
        fixture->typeAndEnter("x^2-2");
        solve(CommandId::Root, 0, 3, -1, 1);
        QCOMPARE(logTail(2), QStringList({"y = x^2-2", "Root: x = 1.414213562"}));
        QVERIFY(redAround(1.414213562L, 0) > 10);

        fixture->trigger(CommandId::New);
        fixture->typeAndEnter("x^3");
        solve(CommandId::Root, -0.7L, 1.3L, -1, 1);
        QCOMPARE(logTail(1), QStringList({"Root: x = 0"}));
    }

    void aSelectionWithoutTheAnswerFindsNothing() {
        fixture->typeAndEnter("x^2+1");
        solve(CommandId::Root, -3, 3, -1, 4);
        QCOMPARE(logTail(3), QStringList({"", "y = x^2+1", "Root: Not found"}));
        fixture->typeAndEnter("x^2-2");
        fixture->interaction.dialogAnswers.push_back(selectRows({1}));
        solve(CommandId::Root, 0, 3, 0.5L, 4);
        QCOMPARE(logTail(2), QStringList({"y = x^2-2", "Root: Not found"}));
        QCOMPARE(redAround(1.414213562L, 0), 0);
    }

    void maximumAndMinimumOfAParabola() {
        fixture->typeAndEnter("-x^2+4");
        solve(CommandId::Maximum, -2, 3, 3, 4.5L);
        QCOMPARE(logTail(2), QStringList({"y = -x^2+4", "Maximum: Ymax=4 for x = 0"}));
        QVERIFY(redAround(0, 4) > 10);
        solve(CommandId::Minimum, -2, 3, 3, 4.5L);
        QCOMPARE(logTail(1), QStringList({"Minimum: Not found"}));
    }

    void maximumOfSineIsHalfPi() {
        fixture->typeAndEnter("sin(x)");
        solve(CommandId::Maximum, 0, 3, 0, 1.5L);
        QCOMPARE(logTail(1), QStringList({"Maximum: Ymax=1 for x = 1.570796327"}));
    }

    void intersectionOfTwoLinesAsksNothing() {
        fixture->typeAndEnter("x");
        fixture->typeAndEnter("2-x");
        solve(CommandId::Intersection, -1, 3, -1, 3);
        QVERIFY(fixture->interaction.dialogsShown.isEmpty());
        QCOMPARE(logTail(3), QStringList({"", "y1=x and y2=2-x", "Intersection: y = 1 for x = 1"}));
        QVERIFY(redAround(1, 1) > 10);
    }

    void touchingCurvesMeetOnlyWhenTheSelectionHoldsTheTouch() {
        fixture->typeAndEnter("x^2");
        fixture->typeAndEnter("0");
        solve(CommandId::Intersection, -1.3L, 1.1L, -1, 1);
        QCOMPARE(logTail(1), QStringList({"Intersection: y = 0 for x = 0"}));
        solve(CommandId::Intersection, 0.4L, 2, -1, 1);
        QCOMPARE(logTail(2), QStringList({"y1=x^2 and y2=0", "Intersection: Not found"}));
    }

    void intersectionNeedsTwoDifferentFunctions() {
        fixture->typeAndEnter("x");
        solve(CommandId::Intersection, -1, 3, -1, 3);
        QCOMPARE(fixture->interaction.errors, QStringList({"At least two functions must be plotted."}));
        fixture->typeAndEnter("2-x");
        fixture->typeAndEnter("1");
        fixture->interaction.errors.clear();
        fixture->interaction.dialogAnswers = {selectRows({2}), selectRows({2})};
        solve(CommandId::Intersection, -1, 3, -1, 3);
        QCOMPARE(fixture->interaction.errors, QStringList({"You selected the same function twice."}));
        fixture->interaction.dialogAnswers = {selectRows({0}), selectRows({2})};
        solve(CommandId::Intersection, -1, 3, -1, 3);
        QCOMPARE(logTail(2), QStringList({"y1=x and y2=1", "Intersection: y = 1 for x = 1"}));
    }

    void yCalcWritesTheTypedX() {
        fixture->typeAndEnter("x^2");
        setRange({"-5", "5", "1", "-2", "10", "1"});
        fixture->interaction.textAnswers.push_back("2.0");
        solve(CommandId::YCalc, 0, 3, 0, 5);
        QCOMPARE(fixture->interaction.questions.last(), QStringLiteral("Please enter the x value:"));
        QCOMPARE(logTail(2), QStringList({"y = x^2", "Y-Calc: y = 4 for x = 2.0"}));
        QVERIFY(redAround(2, 4) > 10);
        fixture->interaction.textAnswers.push_back("2");
        solve(CommandId::YCalc, 0, 3, 0, 3);
        QCOMPARE(logTail(1), QStringList({"Y-Calc: Could not be evaluated"}));
    }

    void xCalcFindsXAndReportsBadNumbers() {
        fixture->typeAndEnter("x^2");
        setRange({"-1", "6", "1", "-1", "11", "1"});
        fixture->interaction.textAnswers.push_back("4");
        solve(CommandId::XCalc, 0, 5, 0, 10);
        QCOMPARE(logTail(2), QStringList({"y = x^2", "X-Calc: y = 4 for x = 2"}));
        const int lines = log().size();
        fixture->interaction.textAnswers.push_back(QString());
        solve(CommandId::XCalc, 0, 5, 0, 10);
        QCOMPARE(log().size(), lines);
        fixture->interaction.textAnswers.push_back("four");
        solve(CommandId::XCalc, 0, 5, 0, 10);
        QCOMPARE(fixture->interaction.errors, QStringList({"'four' is not a valid floating point value"}));
        QCOMPARE(log().size(), lines);
        fixture->interaction.textAnswers.push_back("-1");
        solve(CommandId::XCalc, -1, 5, -1, 10);
        QCOMPARE(logTail(1), QStringList({"X-Calc: The y value could not be found"}));
    }

    void yIntersectionIgnoresTheSelectionsHeight() {
        fixture->typeAndEnter("x+3");
        solve(CommandId::YIntersection, 1, 2, 3.5L, 5);
        QCOMPARE(logTail(1), QStringList({"Y-Intersection: y = 3"}));
    }

    void aClickWithoutDraggingFindsNoFunction() {
        fixture->typeAndEnter("x");
        fixture->trigger(CommandId::Root);
        const QPoint point = pixelOf(1, 1);
        QTest::mousePress(&window(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(&window(), Qt::LeftButton, {}, point);
        QCOMPARE(fixture->interaction.errors, QStringList({"At least one function must be plotted."}));
        QVERIFY(log().isEmpty());
    }

    void selectDialogDrawsColoursAndRefusesOkWithoutAChoice() {
        fixture->typeAndEnter("x");
        fixture->typeAndEnter("x+0.5");
        int greenPixels = 0;
        bool stayedOpen = false;
        fixture->interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& select = static_cast<TSelectGraphWindow&>(dialog);
            select.show();
            greenPixels = countInImage(select.list()->grab().toImage(), graph::curveColours()[1]);
            select.accept();
            stayedOpen = select.isVisible() && select.result() != QDialog::Accepted;
            select.list()->item(1)->setSelected(true);
            select.accept();
            return select.result() == QDialog::Accepted;
        });
        solve(CommandId::Root, -2, 1, -2, 1);
        QCOMPARE(fixture->interaction.dialogsShown, QStringList({"SelectGraphWindow"}));
        QVERIFY(greenPixels > 5);
        QVERIFY(stayedOpen);
        QCOMPARE(fixture->interaction.errors, QStringList({"You must select a function."}));
        QCOMPARE(logTail(2), QStringList({"y = x+0.5", "Root: x = -0.5"}));
    }

    void integralIsShadedAndItsValueLogged() {
        fixture->trigger(CommandId::IntegralMode);
        setRange({"-1", "2", "1", "-1", "2", "1"});
        fixture->typeAndEnter("x^2;0;1");
        QCOMPARE(log(), QStringList({"", "y = x^2;0;1", "Integral=0.33333"}));
        QCOMPARE(frame->entryList().value(0), QStringLiteral("x^2;0;1"));
        const QColor blue = graph::curveColours()[0];
        const int middle = coordinates().columnOfX(0.5L);
        const int shaded = countInColumn(window().picture(), middle, blue);
        QVERIFY(std::abs(shaded - (coordinates().axisRow - coordinates().rowOfY(0.25L))) <= 2);
        QVERIFY(countInColumn(window().picture(), coordinates().columnOfX(-0.5L), blue) < 3);

        fixture->typeAndEnter("x^2;1;0");
        QCOMPARE(logTail(1), QStringList({"Integral=0.33333"}));
        // A redraw draws the integral again but writes nothing.
        const int lines = log().size();
        frame->rangeWindow()->applyRange();
        QCOMPARE(log().size(), lines);
        QVERIFY(countInColumn(window().picture(), middle, blue) > 5);
    }

    void solveToolsInIntegralModeOfferNoFunctionsOfFunctionMode() {
        fixture->typeAndEnter("x");
        solve(CommandId::Root, -1, 1, -1, 1);
        fixture->trigger(CommandId::IntegralMode);
        fixture->typeAndEnter("x;0;1");
        fixture->interaction.errors.clear();
        solve(CommandId::Root, -1, 1, -1, 1);
        QCOMPARE(fixture->interaction.errors, QStringList({"At least one function must be plotted."}));
        QCOMPARE(logTail(1), QStringList({"Integral=0.5"}));
    }

    void malformedIntegralShowsTheInstructionsAndIsNotKept() {
        fixture->trigger(CommandId::IntegralMode);
        fixture->typeAndEnter("x^2;0;1");
        for (const char* malformed : {"x^2;0", "x^2;0;"}) {
            fixture->interaction.dialogsShown.clear();
            fixture->typeAndEnter(QLatin1String(malformed));
            QCOMPARE(fixture->interaction.dialogsShown, QStringList({"dlgIntegralInstructions"}));
            QVERIFY(!frame->entryList().contains(QLatin1String(malformed)));
        }
        // Only one integral at a time: the malformed text still removed the earlier one.
        QVERIFY(window().graph().plottedIntegrals().empty());
        fixture->typeAndEnter("x^2;0;b");
        QCOMPARE(fixture->interaction.errors, QStringList({"'b' is not a valid floating point value"}));
        fixture->typeAndEnter("sqrt(x);-1;1");
        QCOMPARE(logTail(1), QStringList({"Error when calculating the integral"}));
    }

    void tangentAndNormalAreEnteredAsTexts() {
        fixture->typeAndEnter("x^2");
        fixture->interaction.textAnswers = {"1", "0", "1", "0"};
        fixture->trigger(CommandId::Tangent);
        QCOMPARE(fixture->interaction.questions.last(),
                 QStringLiteral("Tangent of the function y=x^2 through the point where x ="));
        QCOMPARE(window().graph().plottedFunctions().back(), std::string("2x-1"));
        QCOMPARE(frame->entryList().value(0), QStringLiteral("2x-1"));
        fixture->trigger(CommandId::Tangent);
        QCOMPARE(fixture->interaction.dialogsShown, QStringList({"SelectGraphWindow"}));
    }

    void tangentNormalAndDerivativeOfTheChosenFunction() {
        fixture->typeAndEnter("x^2");
        fixture->interaction.textAnswers = {"0", "1", "0"};
        fixture->trigger(CommandId::Tangent);
        QCOMPARE(window().graph().plottedFunctions().back(), std::string("0x+0"));
        fixture->interaction.dialogAnswers = {selectRows({0}), selectRows({0})};
        fixture->trigger(CommandId::Normal);
        QCOMPARE(window().graph().plottedFunctions().back(), std::string("-0.5x+1.5"));
        fixture->trigger(CommandId::Normal);
        QCOMPARE(fixture->interaction.messages, QStringList({"The normal does not exist at this point."}));
        QCOMPARE(window().graph().plottedFunctions().size(), std::size_t(3));
        fixture->interaction.dialogAnswers = {selectRows({0})};
        fixture->trigger(CommandId::Derivative);
        QCOMPARE(window().graph().plottedFunctions().back(), std::string("d/dx(x^2)"));
    }

    void erasingTwoOfThreeLeavesTheThird() {
        for (const char* text : {"x", "x+1", "x+2"})
            fixture->typeAndEnter(QLatin1String(text));
        fixture->interaction.dialogAnswers.push_back(selectRows({0, 2}));
        fixture->trigger(CommandId::EraseFunction);
        QCOMPARE(window().graph().plottedFunctions(), std::vector<std::string>{"x+1"});
        QCOMPARE(engine::FunctionDB().count(), 1);
        // The remaining curve is drawn in the first colour now.
        QVERIFY(countInImage(window().picture(), graph::curveColours()[0]) > 50);
        QVERIFY(countInImage(window().picture(), graph::curveColours()[1]) == 0);
        // Later choices offer single selection again.
        fixture->typeAndEnter("x+3");
        bool singleSelection = false;
        fixture->interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& select = static_cast<TSelectGraphWindow&>(dialog);
            singleSelection = select.list()->selectionMode() == QAbstractItemView::SingleSelection;
            return false;
        });
        fixture->trigger(CommandId::Derivative);
        QVERIFY(singleSelection);
    }

    void traceFollowsThePointerUntilSwitchedOff() {
        fixture->typeAndEnter("x^2");
        const int width = coordinates().width;
        setRange({"0", std::to_string(width), "100", "-5", "100", "10"});
        fixture->trigger(CommandId::Trace);
        const auto& marker = analysisTools().traceMarker();
        const int px = coordinates().left + 2;
        QCOMPARE(coordinates().xOfPixel(px), 2.0L);
        QTest::mouseMove(&window(), QPoint(px, 40));
        QCOMPARE(frame->statusText(), QStringLiteral("(2, 4)"));
        QVERIFY(marker.isVisible());
        QCOMPARE(marker.geometry().center() + QPoint(1, 1), pixelOf(2, 4));
        fixture->trigger(CommandId::Trace);
        QVERIFY(!marker.isVisible());
        QCOMPARE(frame->statusText(), QString());
        QTest::mouseMove(&window(), QPoint(px + 3, 40));
        QCOMPARE(frame->statusText(), QString());
    }

    void traceOfAnUndefinedPointHidesTheMarker() {
        fixture->typeAndEnter("sqrt(x)");
        fixture->trigger(CommandId::Trace);
        QTest::mouseMove(&window(), pixelOf(1, 1));
        QVERIFY(analysisTools().traceMarker().isVisible());
        QTest::mouseMove(&window(), pixelOf(-1, 1));
        QVERIFY(!analysisTools().traceMarker().isVisible());
        QCOMPARE(frame->statusText(), QString());
    }

    void traceMarkerDoesNotOutliveTheTracedFunction() {
        fixture->typeAndEnter("x");
        fixture->trigger(CommandId::Trace);
        QTest::mouseMove(&window(), pixelOf(1, 1));
        QVERIFY(analysisTools().traceMarker().isVisible());
        fixture->trigger(CommandId::New);
        QTest::mouseMove(&window(), pixelOf(2, 1));
        QVERIFY(!analysisTools().traceMarker().isVisible());
    }

    void traceWithoutAFunctionStaysOff() {
        fixture->trigger(CommandId::Trace);
        QCOMPARE(fixture->interaction.errors, QStringList({"At least one function must be plotted."}));
        QVERIFY(!window().graph().traceOn);
    }

    void valueTableListsValuesAndDerivatives() {
        QString table;
        QStringList errors;
        fixture->interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            const auto fill = [&](const char* function, const char* xmin, const char* xmax,
                                  const char* xstep) {
                dialog.findChild<QLineEdit*>("editFunction")->setText(QLatin1String(function));
                dialog.findChild<QLineEdit*>("editXmin")->setText(QLatin1String(xmin));
                dialog.findChild<QLineEdit*>("editXmax")->setText(QLatin1String(xmax));
                dialog.findChild<QLineEdit*>("editXstep")->setText(QLatin1String(xstep));
                dialog.findChild<QPushButton*>("btnCalculate")->click();
                return dialog.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
            };
            table = fill("x^2", "0", "2", "0.5");
            dialog.findChild<QPushButton*>("btnCopyToClipboard")->click();
            errors.append(fill("x^2", "0", "2", "0") == table ? "kept" : "changed");
            errors.append(fill("x^2", "0", "1E6", "1") == table ? "kept" : "changed");
            errors.append(fill("x^2", "0", "1", "1E-6") == table ? "kept" : "changed");
            errors.append(fill("sqrt(x", "0", "1", "a") == table ? "kept" : "changed");
            errors.append(fill("sqrt(x)", "-1", "1", "1"));
            errors.append(fill("x", "1234", "1234", "1"));
            errors.append(fill("x", "3", "2", "1"));
            return false;
        });
        fixture->trigger(CommandId::ValueTable);
        QCOMPARE(table,
                 QStringLiteral("y=x^2\nx\ty\ty'\n\n0\t0\t0\n0.5\t0.25\t1\n1\t1\t2\n1.5\t2.25\t3\n2\t4\t4"));
        QCOMPARE(QGuiApplication::clipboard()->text(), table);
        QCOMPARE(errors.mid(0, 4), QStringList({"kept", "kept", "kept", "kept"}));
        QCOMPARE(fixture->interaction.errors,
                 QStringList(
                     {"The step (Xstep) must be greater than 0.",
                      "The table would have more than 100000 rows. Choose a larger step or a smaller range.",
                      "The table would have more than 100000 rows. Choose a larger step or a smaller range.",
                      "'a' is not a valid floating point value"}));
        QCOMPARE(errors[4], QStringLiteral("y=sqrt(x)\nx\ty\ty'\n\n-1\t\t\n0\t\t\n1\t1\t0.5"));
        QCOMPARE(errors[5], QStringLiteral("y=x\nx\ty\ty'\n\n1.23E3\t1.23E3\t1"));
        QCOMPARE(errors[6], QStringLiteral("y=x\nx\ty\ty'\n"));
        QCOMPARE(fixture->interaction.dialogsShown, QStringList({"frmValueTable"}));
    }

    // Each row of d/dx(d/dx(random)) takes a million evaluations: the table shows a progress box,
    // and its Cancel ends the table with the rows computed so far, each of them whole.
    void aLongValueTableCanBeCancelledAndKeepsItsRows() {
        QStringList lines;
        bool progressShown = false;
        fixture->interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("editFunction")->setText(QStringLiteral("d/dx(d/dx(random))"));
            dialog.findChild<QLineEdit*>("editXmin")->setText(QStringLiteral("0"));
            dialog.findChild<QLineEdit*>("editXmax")->setText(QStringLiteral("50000"));
            dialog.findChild<QLineEdit*>("editXstep")->setText(QStringLiteral("1"));
            // Cancels as soon as the box is on the screen, or after a while anyway so that a box
            // that never shows fails the test instead of letting the table run for minutes.
            QTimer canceller;
            int ticks = 0;
            QObject::connect(&canceller, &QTimer::timeout, [&] {
                auto* progress = dialog.findChild<QProgressDialog*>("ValueTableProgress");
                if (!progress)
                    return;
                progressShown = progressShown || progress->isVisible();
                if (progressShown || ++ticks > 20)
                    progress->cancel();
            });
            canceller.start(100);
            dialog.findChild<QPushButton*>("btnCalculate")->click();
            lines = dialog.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n');
            return false;
        });
        fixture->trigger(CommandId::ValueTable);
        QVERIFY(progressShown);
        QCOMPARE(lines.mid(0, 3), QStringList({"y=d/dx(d/dx(random))", "x\ty\ty'", ""}));
        QVERIFY(lines.size() > 3);
        QVERIFY(lines.size() < 3 + 50001);
        QCOMPARE(lines[3].split('\t').value(0), QStringLiteral("0"));
        for (int row = 3; row < lines.size(); ++row)
            QCOMPARE(lines[row].split('\t').size(), 3);
        QVERIFY(fixture->interaction.errors.isEmpty());
    }

    // The unit chosen in the frame reaches a function plotted before the choice, the value table
    // and an integral, and choosing the other unit takes it back without plotting again.
    void everyEvaluationTakesTheChosenAngleUnit() {
        setRange({"-10", "100", "10", "-2", "2", "1"});
        fixture->typeAndEnter("sin(x)");
        fixture->trigger(CommandId::Degrees);
        fixture->interaction.textAnswers.push_back("90");
        solve(CommandId::YCalc, 0, 95, -1, 1.5L);
        QCOMPARE(logTail(1), QStringList({"Y-Calc: y = 1 for x = 90"}));
        fixture->trigger(CommandId::Radians);
        fixture->interaction.textAnswers.push_back("90");
        solve(CommandId::YCalc, 0, 95, -1, 1.5L);
        QCOMPARE(logTail(1), QStringList({"Y-Calc: y = 0.8939966636 for x = 90"}));

        fixture->trigger(CommandId::Degrees);
        QStringList lastRow;
        fixture->interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("editFunction")->setText(QStringLiteral("sin(x)"));
            dialog.findChild<QLineEdit*>("editXmin")->setText(QStringLiteral("0"));
            dialog.findChild<QLineEdit*>("editXmax")->setText(QStringLiteral("30"));
            dialog.findChild<QLineEdit*>("editXstep")->setText(QStringLiteral("30"));
            dialog.findChild<QPushButton*>("btnCalculate")->click();
            lastRow =
                dialog.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n').last().split('\t');
            return false;
        });
        fixture->trigger(CommandId::ValueTable);
        QCOMPARE(lastRow.value(0), QStringLiteral("30"));
        QCOMPARE(lastRow.value(1), QStringLiteral("0.5"));

        fixture->trigger(CommandId::IntegralMode);
        fixture->typeAndEnter("sin(x);0;180");
        // The area under one arch of the sine in degrees is 360/π.
        QCOMPARE(logTail(1), QStringList({"Integral=114.59"}));
    }

private:
    graph::AnalysisTools& analysisTools() { return frame->findChild<plotter::AnalysisCommands*>()->tools(); }
};

QTEST_MAIN(AnalysisTest)
#include "AnalysisTest.moc"
