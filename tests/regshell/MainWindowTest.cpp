#include "MainWindowFixture.h"
#include "tests/support/PixelCount.h"

#include "reggraph/TForm2.h"
#include "regshell/RenameEditor.h"
#include "regshell/TForm10.h"
#include "regshell/TForm3ListsGrid.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using regshell::CommandId;
using regshell::MenuId;

namespace {

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptySettingsFileShowsEveryOptionAndTheWizardButNoLanguageDialog() {
        MainWindowFixture fixture("");
        QTest::qWait(200);
        for (CommandId id : {CommandId::ShowAxis, CommandId::ShowGrid, CommandId::ShowScaleText,
                             CommandId::ShowFunctionNames, CommandId::ShowWizard, CommandId::Scatter})
            QVERIFY(fixture.window->action(id).isChecked());
        QVERIFY(!fixture.window->action(CommandId::Histogram).isChecked());
        // The wizard was offered (and cancelled by the script); the language dialog never was.
        QVERIFY(!fixture.interaction.dialogsShown.contains(QStringLiteral("Form7")));
        QVERIFY(!fixture.interaction.dialogsShown.isEmpty());
    }

    void withoutTheWizardTheDefaultProjectIsReadyAtOnce() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Project1"));
        QCOMPARE(fixture.window->listSelector().count(), 2);
        QCOMPARE(fixture.window->listSelector().itemText(0), QStringLiteral("A"));
        QCOMPARE(fixture.window->listSelector().itemText(1), QStringLiteral("Y"));
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Tessaly 3.1 - Untitled"));
        QVERIFY(fixture.interaction.dialogsShown.isEmpty());
    }

    void theFirstStartShowsTheLanguageDialogOnceAndRemembersIt() {
        MainWindowFixture fixture("[Prog]\nFirstTime=1\n[StartWizard]\nStartupWizard=0\n");
        QVERIFY(fixture.started());
        QCOMPARE(fixture.interaction.dialogsShown.count(QStringLiteral("Form7")), 1);
        QCOMPARE(fixture.settings.readString("Prog", "FirstTime", "?"), std::string("0"));
    }

    void saveOnAnUntitledFileAsksForANameAndCancellingKeepsItUntitledAndModified() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1"});
        fixture.window->setModified();
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(1));
        QCOMPARE(fixture.interaction.fileChoices[0].defaultSuffix, QStringLiteral("tsy"));
        QVERIFY(fixture.interaction.fileChoices[0].filter.contains(QStringLiteral("*.tsy")));
        QCOMPARE(fixture.window->store().fileName(), std::filesystem::path("Untitled"));
        QVERIFY(fixture.window->store().modified());
    }

    void aLinearFitTypedIntoTheGridIsLoggedDrawnInBlueRecordedSavedAndOpenedAgain() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1", "2", "3", "4", "5"});
        fixture.fill(2, {"3", "5", "7", "9", "11"});
        const int bluePixelsBefore = countColour(fixture.window->graphWindow().picture(), Blue);
        fixture.trigger(CommandId::Linear);

        const std::vector<std::string> block = {"Project1", "LINEAR REGRESSION:",   "Y = 1 + 2A",
                                                "",         "Constant = 1",         "A = 2",
                                                "",         "Correlation = 1",      "R-sq = 100%",
                                                "s = 0",    "Number of points = 5", std::string(38, '-')};
        std::vector<std::string> log = fixture.log();
        QVERIFY(log.size() >= block.size());
        QCOMPARE(std::vector<std::string>(log.end() - block.size(), log.end()), block);
        QCOMPARE(bluePixelsBefore, 0);
        QVERIFY(countColour(fixture.window->graphWindow().picture(), Blue) > 100);
        QCOMPARE(fixture.window->store().functionLabels(), std::vector<std::string>{"Y = 1 + 2A"});
        QVERIFY(fixture.window->store().modified());

        const QString path = QString::fromStdString((fixture.folder / "fit.tsy").string());
        fixture.interaction.fileAnswers.push_back(path);
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("fit.tsy"));
        QVERIFY(!fixture.window->store().modified());

        fixture.trigger(CommandId::ClearLog);
        fixture.fill(1, {"", "", "", "", ""});
        fixture.interaction.fileAnswers.push_back(path);
        fixture.trigger(CommandId::Open);
        QCOMPARE(fixture.window->dataWindow().lists().cell(2, 5), std::string_view("11"));
        log = fixture.log();
        QCOMPARE(std::vector<std::string>(log.end() - block.size(), log.end()), block);
        QCOMPARE(fixture.window->store().functionLabels(), std::vector<std::string>{"Y = 1 + 2A"});
        QVERIFY(countColour(fixture.window->graphWindow().picture(), Blue) > 100);
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("Tessaly 3.1 - fit.tsy"));
    }

    void aRefusedFitShowsItsMessageAndWritesNothing() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"0", "1", "2"});
        fixture.fill(2, {"1", "2", "3"});
        const std::size_t logLines = fixture.log().size();
        fixture.trigger(CommandId::Logarithmic);
        QCOMPARE(fixture.interaction.messages.size(), 1);
        QCOMPARE(fixture.log().size(), logLines);
        QVERIFY(fixture.window->store().functionLabels().empty());

        fixture.fill(2, {"1", "x", "3"});
        fixture.trigger(CommandId::Linear);
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY(fixture.interaction.errors[0].contains(QStringLiteral("'x'")));
        QCOMPARE(fixture.log().size(), logLines);
    }

    void everyFitAndFindBestBringTheLogToTheFront() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1", "2", "3", "4", "5"});
        fixture.fill(2, {"2", "4", "5", "4", "5"});
        QTabWidget* pages = fixture.window->dataWindow().pages();
        for (CommandId command : {CommandId::Linear, CommandId::Reciprocal, CommandId::Polynomial2,
                                  CommandId::Polynomial3, CommandId::FindBest}) {
            pages->setCurrentIndex(0);
            fixture.trigger(command);
            QCOMPARE(pages->currentIndex(), 1);
        }
        QVERIFY(fixture.interaction.messages.isEmpty());
        QVERIFY(fixture.interaction.errors.isEmpty());
        QCOMPARE(fixture.window->store().functionLabels().size(), std::size_t(5));
    }

    void aPolynomialFitOnEmptyListsSaysHowManyPointsItNeeds() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        for (CommandId command :
             {CommandId::Polynomial2, CommandId::Polynomial3, CommandId::Polynomial4, CommandId::Polynomial5})
            fixture.trigger(command);
        QCOMPARE(fixture.interaction.messages,
                 QStringList({"This model requires at least 4 points of data.",
                              "This model requires at least 5 points of data.",
                              "This model requires at least 6 points of data.",
                              "This model requires at least 7 points of data."}));
        QVERIFY(fixture.log().empty());
        QCOMPARE(fixture.window->dataWindow().pages()->currentIndex(), 0);
    }

    void afterClearAllAndAfterAPasteTheGraphShowsTheListsAsTheyAreNow() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        TForm3& data = fixture.window->dataWindow();
        const QImage& picture = fixture.window->graphWindow().picture();
        const int withoutPoints = countColour(picture, Black);
        fixture.fill(1, {"1.5", "2.5", "3.5"});
        fixture.fill(2, {"1.5", "2.5", "3.5"});
        data.updateGraph();
        QVERIFY(countColour(picture, Black) > withoutPoints);

        // The current cell is already the first one, where Clear all puts it.
        fixture.interaction.yesNoAnswers.push_back(true);
        data.clearAll();
        QCOMPARE(countColour(picture, Black), withoutPoints);

        QApplication::clipboard()->setText(QStringLiteral("1.5\t1.5\n2.5\t2.5\n"));
        data.pasteFromClipboard();
        const int twoPoints = countColour(picture, Black);
        QVERIFY(twoPoints > withoutPoints);
        data.undoPaste();
        QCOMPARE(countColour(picture, Black), withoutPoints);

        fixture.fill(1, {"4.5"});
        data.copyColumn();
        data.setCurrentCell(2, 1);
        data.paste();
        QVERIFY(countColour(picture, Black) > withoutPoints);
        QVERIFY(fixture.interaction.errors.isEmpty());
    }

    void aCellThatIsNotANumberLeavesItsRowOutOfTheGraphAndIsNamedInTheStatusLine() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        TForm3& data = fixture.window->dataWindow();
        const QImage& picture = fixture.window->graphWindow().picture();
        const QLabel* status = fixture.window->findChild<QLabel*>(QStringLiteral("StatusText"));
        QVERIFY(status);
        fixture.fill(1, {"1.5", "2.5", "3.5", "4.5"});
        fixture.fill(2, {"1.5", "2.5", "3.5", "4.5"});
        data.updateGraph();
        const int fourCrosses = countColour(picture, Black);

        fixture.fill(2, {"1.5", "abc"});
        const auto click = [&](int column, int row) {
            regshell::ListsGrid* grid = data.listsGrid();
            const QRect cell = grid->visualRect(grid->model()->index(row - 1, column - 1));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        };
        click(1, 3);
        QCOMPARE(data.currentRow(), 3);
        QVERIFY(fixture.interaction.errors.isEmpty());
        QCOMPARE(status->text(),
                 QStringLiteral("'abc' is not a valid floating point value (row 2, column 2): "
                                "this row is left out of the graph."));
        // One cross of 11 + 11 - 1 pixels less: the rows after the text are drawn.
        QCOMPARE(fourCrosses - countColour(picture, Black), 21);

        // The commands that read the lists still stop with the box.
        fixture.trigger(CommandId::Linear);
        data.updateGraph();
        QCOMPARE(fixture.interaction.errors,
                 QStringList(2, QStringLiteral("'abc' is not a valid floating point value")));

        fixture.fill(2, {"1.5", "2.5"});
        click(2, 4);
        QVERIFY(status->text().isEmpty());
        QCOMPARE(countColour(picture, Black), fourCrosses);
    }

    void enterInTheProjectRenameEditorChangesNothing() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.trigger(CommandId::ChangeProjectName);
        regshell::RenameEditor& editor = fixture.window->projectRenameEditor();
        QVERIFY(editor.isOpen());
        editor.edit().setText(QStringLiteral("Other"));
        QTest::keyClick(&editor.edit(), Qt::Key_Return);
        QVERIFY(!editor.isOpen());
        QVERIFY(fixture.window->projectSelector().isVisible());
        QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Project1"));

        fixture.trigger(CommandId::ChangeProjectName);
        editor.edit().setText(QStringLiteral("Heights"));
        editor.acceptButton().click();
        QVERIFY(!editor.isOpen());
        QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Heights"));
        QCOMPARE(fixture.window->store().currentProject(), std::string("Heights"));
    }

    void aStartInSwedishShowsEveryWindowWithoutAMissingText() {
        QStringList missing;
        translation::translator().setMissingKeyHandler(
            [&missing](const std::string& message) { missing.append(QString::fromStdString(message)); });
        {
            MainWindowFixture fixture("[StartWizard]\nStartupWizard=0\n", "Swedish");
            QVERIFY(fixture.started());
            QCOMPARE(fixture.window->action(CommandId::New).text(), QStringLiteral("&Nytt"));
            const auto showAndCancel = [](QDialog& dialog) {
                dialog.show();
                QApplication::processEvents();
                dialog.hide();
                return false;
            };
            for (CommandId command :
                 {CommandId::About, CommandId::SelectLanguage, CommandId::QuorraInformation,
                  CommandId::BestCurveSetup, CommandId::DeleteProject, CommandId::EraseFunction,
                  CommandId::NewProject, CommandId::DrawInQuorra}) {
                fixture.interaction.dialogAnswers.push_back(showAndCancel);
                fixture.trigger(command);
            }
            fixture.trigger(CommandId::HelpContents);
            for (int page = 0; page < fixture.window->dataWindow().pages()->count(); ++page)
                fixture.window->dataWindow().pages()->setCurrentIndex(page);
            QApplication::processEvents();
        }
        translation::translator().setMissingKeyHandler({});
        translation::translator().loadFile(std::string(QUORRA_LANGUAGE_SOURCE_DIR) + "/tsyEnglish.lng");
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    void aTwoVariableProjectDisablesTheSingleVariableCommandsAndAOneVariableProjectEnablesThem() {
        MainWindowFixture fixture("[StartWizard]\nStartupWizard=0\nVariabels=2\nX2=B\n");
        QVERIFY(fixture.started());
        QCOMPARE(fixture.window->listSelector().count(), 3);
        QVERIFY(!fixture.window->action(CommandId::Linear).isEnabled());
        QVERIFY(!fixture.window->button(CommandId::Linear).isEnabled());
        QVERIFY(!fixture.window->menu(MenuId::Simple).isEnabled());
        QVERIFY(!fixture.window->action(CommandId::ProductSum).isEnabled());
        QVERIFY(fixture.window->action(CommandId::LogMultiple).isEnabled());

        fixture.interaction.dialogAnswers.push_back([](QDialog&) { return true; });
        fixture.window->button(CommandId::NewProject).click();
        QCOMPARE(fixture.window->projectSelector().currentText(), QStringLiteral("Project2"));
        QVERIFY(fixture.window->action(CommandId::Linear).isEnabled());
        QVERIFY(fixture.window->menu(MenuId::Simple).isEnabled());
        QVERIFY(fixture.window->action(CommandId::ProductSum).isEnabled());
    }

    void switchingTheScatterOnDrawsItOnTopWithoutClearing() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1", "2", "3", "4", "5"});
        fixture.fill(2, {"3", "5", "7", "9", "11"});
        fixture.trigger(CommandId::Linear);
        fixture.trigger(CommandId::Scatter); // off: redrawn from the records, without the crosses
        QVERIFY(!fixture.window->action(CommandId::Scatter).isChecked());
        QCOMPARE(fixture.window->button(CommandId::Scatter).text(), QStringLiteral("Scatter OFF"));
        const QImage withoutScatter = fixture.window->graphWindow().picture();
        fixture.trigger(CommandId::Scatter); // on: the crosses are added on top of the same picture
        QCOMPARE(fixture.window->button(CommandId::Scatter).text(), QStringLiteral("Scatter ON"));
        const QImage withScatter = fixture.window->graphWindow().picture();
        QVERIFY(countColour(withScatter, Black) > countColour(withoutScatter, Black));
        QCOMPARE(countColour(withScatter, Blue) > 0, true);
        int removed = 0;
        for (int y = 0; y < withScatter.height(); ++y)
            for (int x = 0; x < withScatter.width(); ++x)
                removed += withoutScatter.pixel(x, y) != qRgb(255, 255, 255) &&
                           withScatter.pixel(x, y) == qRgb(255, 255, 255);
        QCOMPARE(removed, 0);
    }

    // The window keeps the points it read between drawings; an edited cell must still be drawn.
    void theScatterShowsACellEditedAfterItWasDrawn() {
        const auto scatterOffAndOn = [](MainWindowFixture& fixture) {
            fixture.trigger(CommandId::Scatter);
            fixture.trigger(CommandId::Scatter);
            return fixture.window->graphWindow().picture();
        };
        MainWindowFixture edited;
        QVERIFY(edited.started());
        edited.fill(1, {"1", "2", "3"});
        edited.fill(2, {"3", "5", "7"});
        const QImage before = scatterOffAndOn(edited);
        edited.fill(1, {"1", "2", "9"});
        const QImage after = scatterOffAndOn(edited);

        MainWindowFixture typedOnce;
        QVERIFY(typedOnce.started());
        typedOnce.fill(1, {"1", "2", "9"});
        typedOnce.fill(2, {"3", "5", "7"});
        QVERIFY(after != before);
        QVERIFY(after == scatterOffAndOn(typedOnce));
    }

    void statisticsCaptionsNameTheSelectedList() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        QVERIFY(fixture.window->action(CommandId::MeanValue).text().endsWith(QStringLiteral("[A]")));
        fixture.window->listSelector().setCurrentIndex(1);
        QVERIFY(fixture.window->action(CommandId::MeanValue).text().endsWith(QStringLiteral("[Y]")));
        QCOMPARE(fixture.window->action(CommandId::LnList).text(), QStringLiteral("&Ln  [Y]"));

        fixture.fill(2, {"2", "4", "4", "4", "5", "5", "7", "9"});
        fixture.trigger(CommandId::MeanValue);
        const std::vector<std::string> log = fixture.log();
        QCOMPARE(log[log.size() - 3], std::string("Project1: Y"));
        QVERIFY(QString::fromStdString(log[log.size() - 2]).endsWith(QStringLiteral(" = 5")));
    }

    void aTransformedListKeepsItsNewValuesWhenTheOpenCellEditorIsStored() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1", "2.718281828459045"});
        fixture.window->dataWindow().setCurrentCell(1, 1);
        fixture.trigger(CommandId::LnList);
        QCOMPARE(fixture.window->dataWindow().content().lists.cell(1, 1), std::string_view("0"));
        QCOMPARE(fixture.window->dataWindow().lists().cell(1, 2), std::string_view("1"));
        QVERIFY(!fixture.window->store().modified());
    }

    void copyingTheGraphWithAWrongRangeLeavesTheClipboardAndSaysNothing() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        fixture.window->dataWindow().setRangeText(common::RangeRow::Xmax, "-1");
        fixture.trigger(CommandId::CopyGraphVector);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
        QVERIFY(fixture.interaction.errors.isEmpty());

        fixture.window->dataWindow().setRangeText(common::RangeRow::Xmax, "12");
        fixture.trigger(CommandId::CopyGraphVector);
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
    }

    void aPrintThatCannotStartLeavesThePrinterReadyForTheNext() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        for (CommandId command : {CommandId::PrintGraph, CommandId::PrintLog}) {
            fixture.window->printer().setOutputFormat(QPrinter::PdfFormat);
            fixture.window->printer().setOutputFileName(
                QString::fromStdString((fixture.folder / "no" / "such" / "folder.pdf").string()));
            fixture.trigger(command);
            QCOMPARE(fixture.interaction.errors.size(), 1);
            QCOMPARE(fixture.interaction.errors.takeFirst(),
                     QStringLiteral("The printer could not be started."));
            const QString pdf = QString::fromStdString((fixture.folder / "printed.pdf").string());
            QFile::remove(pdf);
            fixture.window->printer().setOutputFileName(pdf);
            fixture.trigger(command);
            QVERIFY(fixture.interaction.errors.isEmpty());
            QVERIFY(QFileInfo(pdf).size() > 500);
        }
    }

    void aPrintRetriedAfterItsFolderWasMadeGoesToTheFileChosenBefore() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        const std::filesystem::path folder = fixture.folder / "prints";
        const QString pdf = QString::fromStdString((folder / "graph.pdf").string());
        fixture.window->printer().setOutputFormat(QPrinter::PdfFormat);
        fixture.window->printer().setOutputFileName(pdf);
        fixture.trigger(CommandId::PrintGraph);
        QCOMPARE(fixture.interaction.errors.size(), 1);

        std::filesystem::create_directory(folder);
        fixture.trigger(CommandId::PrintGraph);
        QCOMPARE(fixture.interaction.errors.size(), 1);
        QVERIFY(QFileInfo(pdf).size() > 500);
    }

    void saveAfterSaveAsWritesToTheNewNameWithoutAsking() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1"});
        const std::filesystem::path first = fixture.folder / "first.tsy";
        const std::filesystem::path second = fixture.folder / "second.tsy";
        fixture.interaction.fileAnswers.push_back(QString::fromStdString(first.string()));
        fixture.trigger(CommandId::Save);
        fixture.interaction.fileAnswers.push_back(QString::fromStdString(second.string()));
        fixture.trigger(CommandId::SaveAs);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(2));
        QCOMPARE(fixture.interaction.fileChoices[1].fileName, QString::fromStdString(first.string()));
        QCOMPARE(fixture.window->windowTitle(), QStringLiteral("second.tsy"));

        fixture.fill(1, {"1", "2345"});
        fixture.window->setModified();
        fixture.trigger(CommandId::Save);
        QCOMPARE(fixture.interaction.fileChoices.size(), std::size_t(2));
        QVERIFY(!fixture.window->store().modified());
        QVERIFY(TempFolder::read(second).find("2345") != std::string::npos);
        QVERIFY(TempFolder::read(first).find("2345") == std::string::npos);
    }

    void printingTheGraphAndTheLogWritesPages() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.window->dataWindow().appendLogLine("a line of the log");
        for (CommandId command : {CommandId::PrintGraph, CommandId::PrintLog}) {
            const QString pdf = QString::fromStdString((fixture.folder / "printed.pdf").string());
            QFile::remove(pdf);
            fixture.window->printer().setOutputFormat(QPrinter::PdfFormat);
            fixture.window->printer().setOutputFileName(pdf);
            fixture.trigger(command);
            QVERIFY(QFileInfo(pdf).size() > 500);
        }
    }

    void aFittedFunctionIsHandedToQuorraAsOneArgumentInX() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.fill(1, {"1", "2", "3"});
        fixture.fill(2, {"3", "5", "7"});
        fixture.trigger(CommandId::Linear);
        TempFolder::write(fixture.folder / "math", "");
        fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
            static_cast<TForm10&>(dialog).ListBox1->selectAll();
            return true;
        });
        fixture.window->button(CommandId::DrawInQuorra).click();
        QCOMPARE(fixture.desktop.started.size(), std::size_t(1));
        QCOMPARE(fixture.desktop.started[0].second, QStringList{QStringLiteral("1 + 2x")});
    }

    void zoomingChangesTheRangeAndHoldingTheMouseShowsWhereItIs() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        fixture.trigger(CommandId::ZoomIn);
        QCOMPARE(fixture.window->dataWindow().rangeText(common::RangeRow::Xmax), std::string("6"));
        QCOMPARE(fixture.window->dataWindow().rangeText(common::RangeRow::Ystep), std::string("0.5"));
        QVERIFY(fixture.window->store().modified());
        fixture.trigger(CommandId::UndoZoom);
        QCOMPARE(fixture.window->dataWindow().rangeText(common::RangeRow::Xmax), std::string("12"));

        TForm2& graph = fixture.window->graphWindow();
        const QLabel* status = fixture.window->findChild<QLabel*>(QStringLiteral("StatusText"));
        QVERIFY(status);
        QTest::mousePress(&graph, Qt::LeftButton, {}, QPoint(graph.width() / 2, graph.height() / 2));
        QVERIFY(status->text().startsWith(QLatin1Char('[')));
        QVERIFY(status->text().contains(QLatin1Char(';')));
        QTest::mouseRelease(&graph, Qt::LeftButton, {}, QPoint(graph.width() / 2, graph.height() / 2));
        QVERIFY(status->text().isEmpty());
    }

    void startingQuorraRunsTheProgramBesideTessalyWithoutArguments() {
        MainWindowFixture fixture;
        QVERIFY(fixture.started());
        TempFolder::write(fixture.folder / "math", "");
        fixture.trigger(CommandId::StartQuorra);
        QCOMPARE(fixture.desktop.started.size(), std::size_t(1));
        QVERIFY(fixture.desktop.started[0].first.endsWith(QStringLiteral("math")));
        QVERIFY(fixture.desktop.started[0].second.isEmpty());
    }

    void closingWritesTheBestCurveModelsAndAsksAboutUnsavedChanges() {
        auto fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->started());
        fixture->window->setModified();
        fixture->interaction.yesNoAnswers.push_back(false);
        QVERIFY(fixture->window->close());
        QCOMPARE(fixture->interaction.questions.size(), 1);
        QCOMPARE(fixture->settings.readString("TestModels", "Linear", "?"), std::string("1"));
        QCOMPARE(fixture->settings.readString("TestModels", "p5reg", "?"), std::string("0"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
