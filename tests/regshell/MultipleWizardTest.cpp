#include "../support/ScriptedInteraction.h"
#include "regression/FitOutput.h"
#include "regression/RegressionResult.h"
#include "regshell/TForm8.h"
#include "translation/Translator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QColor Silver(192, 192, 192);

// Three variables A, B, C with Y = 1 + 2A + 3B + 4C exactly, on `rows` rows.
regression::FitData exactThreeVariableData(std::size_t rows) {
    const std::vector<long double> a{1, 2, 3, 4, 5, 6}, b{2, 1, 4, 3, 6, 7}, c{1, 1, 2, 3, 5, 8};
    regression::FitData data;
    data.context = {"Project1", {"A", "B", "C"}, "Y", '.'};
    data.x = {{a.begin(), a.begin() + rows}, {b.begin(), b.begin() + rows}, {c.begin(), c.begin() + rows}};
    for (std::size_t i = 0; i < rows; ++i)
        data.y.push_back(1 + 2 * a[i] + 3 * b[i] + 4 * c[i]);
    return data;
}

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts.append(box.itemText(i));
    return texts;
}

bool isSilver(const QLineEdit& box) {
    return !box.isEnabled() && box.palette().color(QPalette::Base) == Silver;
}

} // namespace

class MultipleWizardTest : public QObject {
    Q_OBJECT

private:
    // The roles and boxes while the wizard is shown, as the two choices change.
    static void checkRoles(TForm8& form) {
        // On showing: A along X, no second variable, rows 4 and 5 unused.
        QCOMPARE(items(*form.ComboBox1), (QStringList{"A", "B", "C"}));
        QCOMPARE(items(*form.ComboBox2), (QStringList{"none", "B", "C"}));
        QCOMPARE(form.Edit1->text(), QString("Y = 1 + 2A + 3B + 4C"));
        QCOMPARE(form.nameBoxes[2]->text(), QString("C"));
        QCOMPARE(form.roleLabels[0]->text(), QString("Variable depending on X"));
        QCOMPARE(form.roleLabels[1]->text(), QString("Constant"));
        QVERIFY(form.roleLabels[3]->text().isEmpty());
        QVERIFY(isSilver(*form.valueBoxes[0]));
        QVERIFY(form.valueBoxes[1]->isEnabled());
        QVERIFY(isSilver(*form.valueBoxes[3]) && isSilver(*form.valueBoxes[4]));
        QVERIFY(isSilver(*form.Edit12) && isSilver(*form.Edit13));

        // B along X: the Step 2 list offers the others again and A takes a constant.
        form.valueBoxes[1]->setText("7");
        form.ComboBox1->setCurrentIndex(1);
        QCOMPARE(items(*form.ComboBox2), (QStringList{"none", "A", "C"}));
        QVERIFY(isSilver(*form.valueBoxes[1]));
        QVERIFY(form.valueBoxes[1]->text().isEmpty());
        QVERIFY(form.valueBoxes[0]->isEnabled());
        QCOMPARE(form.roleLabels[0]->text(), QString("Constant"));

        // C as second variable opens the step and lines boxes; "none" closes them again.
        form.ComboBox2->setCurrentIndex(2);
        QCOMPARE(form.roleLabels[2]->text(), QString("2nd Variable"));
        QVERIFY(form.Edit12->isEnabled() && form.Edit13->isEnabled());
        form.ComboBox2->setCurrentIndex(0);
        QCOMPARE(form.roleLabels[2]->text(), QString("Constant"));
        QVERIFY(isSilver(*form.Edit12) && isSilver(*form.Edit13));
    }

private slots:
    void initTestCase() {
        translation::translator().setLanguageFiles(QUORRA_LANGUAGE_SOURCE_DIR, "tsy");
        translation::translator().LoadLanguage("English");
    }

    void secondVariableDrawnAsFourLinesGivesOneRecordOneFamilyAndTheSettingsInTheLog() {
        ScriptedInteraction interaction;
        TForm8 wizard(interaction);
        regression::RegressionResult result;
        interaction.dialogAnswers.push_back([](QDialog& dialog) {
            auto& form = static_cast<TForm8&>(dialog);
            form.ComboBox2->setCurrentIndex(1); // B
            form.valueBoxes[1]->setText("0");
            form.valueBoxes[2]->setText("10");
            form.Edit12->setText("5");
            form.Edit13->setText("4");
            form.okButton->click();
            return form.result() == QDialog::Accepted;
        });

        const auto output = wizard.drawMultiple(result, exactThreeVariableData(6));

        QVERIFY(output.has_value());
        QCOMPARE(interaction.dialogsShown, QStringList{"Form8"});
        QCOMPARE(output->functionRecord.value_or(""),
                 std::string("Multiple;Y = 1 + 2A + 3B + 4C;41;2;3;0;5;4;"));
        QVERIFY(output->drawing.has_value());
        const regression::Drawing& drawing = *output->drawing;
        QVERIFY(drawing.shape == regression::Drawing::Shape::StraightLines);
        QCOMPARE(drawing.lines.count, 4LL);
        const long double intercepts[] = {41, 56, 71, 86};
        for (int line = 0; line < 4; ++line) {
            QVERIFY(std::abs(drawing.lines.intercept(line) - intercepts[line]) < 1e-9L);
        }
        QVERIFY(std::abs(drawing.lines.slope - 2) < 1e-12L);
        const std::vector<std::string> log{"Project1",
                                           "MULTIPLE REGRESSION, DRAWN LINES:",
                                           "Y = 1 + 2A + 3B + 4C",
                                           "",
                                           "A = Variable depending on X",
                                           "B = 2nd Variable",
                                           "C = Constant = 10",
                                           "",
                                           "2ND VARIABLE SETTINGS:",
                                           "Start value = 0",
                                           "Step = 5",
                                           "Number of lines = 4",
                                           std::string(38, '-')};
        QCOMPARE(output->logLines, log);
    }

    void aBoxThatIsNotANumberKeepsTheWizardOpenWithTheMessage() {
        ScriptedInteraction interaction;
        TForm8 wizard(interaction);
        regression::RegressionResult result;
        bool stayedOpen = false;
        interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& form = static_cast<TForm8&>(dialog);
            form.valueBoxes[1]->setText("abc");
            form.valueBoxes[2]->setText("1");
            form.okButton->click();
            stayedOpen = form.result() != QDialog::Accepted && interaction.errors.size() == 1;
            form.valueBoxes[1]->setText("10");
            form.okButton->click();
            return form.result() == QDialog::Accepted;
        });

        const auto output = wizard.drawMultiple(result, exactThreeVariableData(6));

        QVERIFY(stayedOpen);
        QCOMPARE(interaction.errors, QStringList{"'abc' is not a valid floating point value"});
        QVERIFY(output.has_value());
        // Without a second variable one line: 1 + 3 * 10 + 4 * 1.
        QCOMPARE(output->functionRecord.value_or(""),
                 std::string("Multiple;Y = 1 + 2A + 3B + 4C;35;2;0;0;0;1;"));
    }

    void rolesFollowTheTwoChoicesAndCancelDrawsNothing() {
        ScriptedInteraction interaction;
        TForm8 wizard(interaction);
        int helpRequests = 0;
        wizard.setHelpHandler([&] { ++helpRequests; });
        regression::RegressionResult result;
        interaction.dialogAnswers.push_back([&](QDialog& dialog) {
            auto& form = static_cast<TForm8&>(dialog);
            checkRoles(form);
            form.helpButton->click();
            form.cancelButton->click();
            return form.result() == QDialog::Accepted;
        });

        const auto output = wizard.drawMultiple(result, exactThreeVariableData(6));

        QVERIFY(!output.has_value());
        QCOMPARE(helpRequests, 1);
        QVERIFY(result.drawParameterText.empty());
    }

    void tooFewRowsRefusesWithTheRowMessageAndShowsNoWizard() {
        ScriptedInteraction interaction;
        TForm8 wizard(interaction);
        regression::RegressionResult result;
        regression::FitData data = exactThreeVariableData(3);
        data.x.pop_back();
        data.context.xNames.pop_back();

        QVERIFY(!wizard.drawMultiple(result, data).has_value());

        QCOMPARE(
            interaction.messages,
            QStringList{"Multiple regression with 2 variables requires at least 4 complete rows of data."});
        QVERIFY(interaction.dialogsShown.isEmpty());
    }
};

QTEST_MAIN(MultipleWizardTest)
#include "MultipleWizardTest.moc"
