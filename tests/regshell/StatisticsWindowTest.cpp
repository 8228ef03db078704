// The main window's statistics switches: the coefficient statistics in the log, the bands and the
// residual plot.
#include "MainWindowFixture.h"

#include "reggraph/TForm2.h"
#include "tests/support/PixelCount.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

using regshell::CommandId;
using regshell::MenuId;

namespace {

bool hasStatisticsBlock(const std::vector<std::string>& log) {
    return std::find(log.begin(), log.end(), "COEFFICIENT STATISTICS:") != log.end();
}

} // namespace

class StatisticsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void coefficientStatisticsAreOffUntilSwitchedOnAndTheSwitchIsKept() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        QAction& option = fixture.window->action(CommandId::CoefficientStatistics);
        QVERIFY(option.isCheckable() && !option.isChecked());
        QVERIFY(fixture.window->menu(MenuId::Options).actions().contains(&option));
        QCOMPARE(option.text(), QStringLiteral("&Coefficient statistics in the log"));
        fixture.fill(1, {"1", "2", "3", "4", "5"});
        fixture.fill(2, {"3", "5.5", "7", "9.5", "11"});
        fixture.trigger(CommandId::Linear);
        QVERIFY(!hasStatisticsBlock(fixture.log()));

        fixture.trigger(CommandId::CoefficientStatistics);
        QCOMPARE(fixture.settings.readString("Statistics", "CoefficientStatistics", "?"), std::string("1"));
        fixture.trigger(CommandId::ClearLog);
        fixture.trigger(CommandId::Polynomial2);
        const std::vector<std::string> log = fixture.log();
        QVERIFY(hasStatisticsBlock(log));
        QCOMPARE(log.back(), std::string(38, '-'));
        QVERIFY(std::find(log.begin(), log.end(),
                          "Residual standard error = 0.3380617019 on 2 degrees of freedom") != log.end());
    }

    void theSettingsFileSwitchesThemOnAtStartInEitherLanguage() {
        MainWindowFixture fixture("[StartWizard]\nStartupWizard=0\n[statistics]\ncoefficientstatistics=1\n",
                                  "Swedish");
        QVERIFY(fixture.started());
        QVERIFY(fixture.window->action(CommandId::CoefficientStatistics).isChecked());
        QCOMPARE(fixture.window->action(CommandId::CoefficientStatistics).text(),
                 QStringLiteral("&Koefficientstatistik i loggen"));
        fixture.fill(1, {"1", "2", "3"});
        fixture.fill(2, {"2", "4", "7"});
        fixture.trigger(CommandId::Linear);
        const std::vector<std::string> log = fixture.log();
        QVERIFY(std::find(log.begin(), log.end(), "KOEFFICIENTSTATISTIK:") != log.end());
    }

    void theBandsSwitchDrawsBandsAroundEveryFitAndIsKept() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        QAction& bands = fixture.window->action(CommandId::Bands);
        QVERIFY(bands.isCheckable() && !bands.isChecked());
        QVERIFY(fixture.window->menu(MenuId::Graph).actions().contains(&bands));
        QToolButton& button = fixture.window->button(CommandId::Bands);
        QCOMPARE(button.text(), QStringLiteral("Bands"));
        QCOMPARE(button.toolTip(),
                 QStringLiteral("Show the 95% confidence and prediction bands around the fits"));
        fixture.fill(1, {"1", "2", "3", "4", "5", "6"});
        fixture.fill(2, {"2.1", "3.9", "6.2", "7.8", "10.1", "12.2"});
        fixture.trigger(CommandId::Linear);
        // The confidence band in the fit's colour darkened to two thirds: blue (0, 0, 255) gives (0, 0, 170).
        const QColor darkBlue(0, 0, 170);
        QCOMPARE(countColour(fixture.window->graphWindow().picture(), darkBlue), 0);

        button.click();
        QVERIFY(bands.isChecked() && button.isChecked());
        QCOMPARE(fixture.settings.readString("Statistics", "Bands", "?"), std::string("1"));
        QVERIFY(countColour(fixture.window->graphWindow().picture(), darkBlue) > 100);
        // A new fit gets its bands at once, in its own colour (the second curve is green).
        fixture.trigger(CommandId::Polynomial2);
        QVERIFY(countColour(fixture.window->graphWindow().picture(), QColor(0, 85, 0)) > 100);
        auto vector = fixture.window->graphWindow().vectorPicture();
        QVERIFY(vector);
        QImage replayed(fixture.window->graphWindow().picture().size(), QImage::Format_RGB32);
        replayed.fill(Qt::white);
        {
            QPainter painter(&replayed);
            vector->draw(painter);
        }
        QVERIFY(countColour(replayed, darkBlue) > 100);

        fixture.trigger(CommandId::Bands);
        QVERIFY(!button.isChecked());
        QCOMPARE(countColour(fixture.window->graphWindow().picture(), darkBlue), 0);
        QCOMPARE(fixture.settings.readString("Statistics", "Bands", "?"), std::string("0"));
    }

    void residualsReplaceTheGraphUntilTheCommandOrEscape() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.trigger(CommandId::Residuals);
        QCOMPARE(fixture.interaction.messages.size(), 1);
        QVERIFY(fixture.interaction.messages.back().startsWith("There is no fit"));
        QVERIFY(!fixture.window->action(CommandId::Residuals).isChecked());

        fixture.fill(1, {"1", "2", "3", "4", "5", "6"});
        fixture.fill(2, {"2.1", "3.9", "6.2", "7.8", "10.1", "12.2"});
        fixture.trigger(CommandId::Linear);
        fixture.window->redrawGraph(); // the fit's curve under the scatter, as every redraw has it
        const QImage graph = fixture.window->graphWindow().picture();
        fixture.trigger(CommandId::Residuals);
        QVERIFY(fixture.window->action(CommandId::Residuals).isChecked());
        const QImage residuals = fixture.window->graphWindow().picture();
        QVERIFY(residuals != graph);
        // The zero line runs through the middle of the plot area, as the residuals' range is symmetric.
        const int middle = 20 + (residuals.height() - 40) / 2;
        QVERIFY(countColour(residuals, QRect(0, middle - 1, residuals.width(), 3), QColor(0, 0, 255)) > 100);
        QVERIFY(
            fixture.window->findChild<QLabel*>("StatusText")->text().startsWith("Residuals of the last fit"));

        QTest::keyClick(fixture.window.get(), Qt::Key_Escape);
        QVERIFY(!fixture.window->action(CommandId::Residuals).isChecked());
        QCOMPARE(fixture.window->graphWindow().picture(), graph);

        fixture.trigger(CommandId::Residuals);
        fixture.trigger(CommandId::Residuals);
        QCOMPARE(fixture.window->graphWindow().picture(), graph);
    }
};

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
