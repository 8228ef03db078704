// The main window's statistics switches: the coefficient statistics in the log.
#include "MainWindowFixture.h"

#include <QMenu>

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
};

QTEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
