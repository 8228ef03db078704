#include "plotter/EntryHistories.h"
#include "tests/support/ScriptedInteraction.h"

#include <QComboBox>
#include <QtTest>

namespace {

QStringList listed(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

} // namespace

class EntryHistoriesTest : public QObject {
    Q_OBJECT
private slots:
    void eachModeGetsBackItsOwnTextsAndABlankModeKeepsNone() {
        QComboBox box;
        box.setEditable(true);
        ScriptedInteraction interaction;
        plotter::EntryHistories histories(box, interaction);

        histories.enterIntoEntryList(QStringLiteral("x^2"));
        histories.enterIntoEntryList(QStringLiteral("sin(x)"));
        histories.keepListAsHistoryOf(QLatin1Char('F'));
        histories.listHistoryOf(QLatin1Char('I'));
        QVERIFY(listed(box).isEmpty());

        histories.enterIntoEntryList(QStringLiteral("x;0;1"));
        histories.keepListAsHistoryOf(QLatin1Char('I'));
        histories.listHistoryOf(QLatin1Char('F'));
        QCOMPARE(listed(box), QStringList({"sin(x)", "x^2"}));

        // A blank mode stores nothing, so neither history takes the integral texts.
        histories.setEntryList({QStringLiteral("1/x")});
        histories.keepListAsHistoryOf(QLatin1Char(' '));
        histories.listHistoryOf(QLatin1Char('I'));
        QCOMPARE(listed(box), QStringList({"x;0;1"}));
        histories.listHistoryOf(QLatin1Char('F'));
        QCOMPARE(listed(box), QStringList({"sin(x)", "x^2"}));
    }

    void replacingTheListLeavesTheTypedTextAndEmptyingNeedsAYes() {
        QComboBox box;
        box.setEditable(true);
        ScriptedInteraction interaction;
        plotter::EntryHistories histories(box, interaction);
        histories.setEntryList({QStringLiteral("x"), QStringLiteral("2x")});
        box.setEditText(QStringLiteral("3x+"));

        interaction.yesNoAnswers = {false};
        histories.emptyFunctionHistory();
        QCOMPARE(histories.entryList(), QStringList({"x", "2x"}));

        interaction.yesNoAnswers = {true};
        histories.emptyFunctionHistory();
        QVERIFY(histories.entryList().isEmpty());
        QCOMPARE(box.currentText(), QStringLiteral("3x+"));
        QCOMPARE(interaction.questions.size(), 2);
    }
};

QTEST_MAIN(EntryHistoriesTest)
#include "EntryHistoriesTest.moc"
