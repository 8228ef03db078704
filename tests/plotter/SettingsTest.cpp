#include "FrameFixture.h"
#include "engine/AngleUnit.h"
#include "plotter/FunctionHistory.h"
#include "plotter/TdlgSelectLanguage.h"

#include <QListWidget>
#include <QMdiSubWindow>

namespace {

bool checked(TMDIFrame& frame, CommandId command) {
    return frame.command(command)->isChecked();
}

// Selects `language` in the language dialog (nothing for an empty name) and presses OK.
ScriptedInteraction::DialogAnswer selectLanguage(const QString& language, QStringList* offered = nullptr) {
    return [language, offered](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstboxLanguages"));
        if (offered) {
            for (int row = 0; row < list->count(); ++row)
                offered->append(list->item(row)->text());
        }
        const auto found = list->findItems(language, Qt::MatchExactly);
        if (!language.isEmpty() && !found.isEmpty())
            found.first()->setSelected(true);
        return true;
    };
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void missingSettingsFileGivesDefaultsAndClosingCreatesIt() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        const graph::PlotOptions& options = frame.options();
        QCOMPARE(options.xAxisText, std::string("x"));
        QCOMPARE(options.xZoomFactor, 2.0L);
        QCOMPARE(options.fontName, std::string("MS Sans Serif"));
        QCOMPARE(options.fontSize, 10);
        QVERIFY(options.angleUnit == engine::AngleUnit::Radians);
        QVERIFY(checked(frame, CommandId::Radians) && !checked(frame, CommandId::Degrees));
        QVERIFY(checked(frame, CommandId::NormalLines) && !checked(frame, CommandId::BoldLines) &&
                !checked(frame, CommandId::DottedLines));
        QVERIFY(checked(frame, CommandId::ShowAxis) && checked(frame, CommandId::ShowGrid) &&
                checked(frame, CommandId::ShowScaleText) && checked(frame, CommandId::ShowFunctionNames));
        QVERIFY(frame.entryList().isEmpty());
        QVERIFY(!std::filesystem::exists(fixture.settingsPath));

        fixture.typeAndEnter(QStringLiteral("x^3"));
        fixture.closeFrame();
        const QString text = QString::fromStdString(TempFolder::read(fixture.settingsPath));
        const QStringList order = {"[AxisText]",
                                   "X=x",
                                   "Y=y",
                                   "[ZoomFactor]",
                                   "X=2",
                                   "Y=2",
                                   "[Font]",
                                   "Name=MS Sans Serif",
                                   "Size=10",
                                   "StyleBold=0",
                                   "StyleItalic=0",
                                   "StyleUnderline=0",
                                   "[Angles]",
                                   "Radians=1",
                                   "[Options]",
                                   "BoldLines=0",
                                   "DottedLines=0",
                                   "ShowAxis=1",
                                   "ShowGrid=1",
                                   "ShowScaleText=1",
                                   "ShowFunctionNames=1",
                                   "[FunctionCombo]",
                                   "Count=1",
                                   "F1=x^3",
                                   "[IntegralCombo]",
                                   "Count=0"};
        qsizetype at = 0;
        for (const QString& line : order) {
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line + QStringLiteral(" missing or out of order in\n") + text));
            at = found + line.size();
        }
    }

    void changedOptionsAndHistoriesComeBackAtTheNextStart() {
        FrameFixture fixture;
        {
            TMDIFrame& frame = fixture.start();
            fixture.trigger(CommandId::Degrees);
            fixture.trigger(CommandId::BoldLines);
            fixture.trigger(CommandId::ShowGrid);
            fixture.interaction.dialogAnswers.push_back([](QDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("editXText"))->setText(QStringLiteral("time"));
                return true;
            });
            fixture.trigger(CommandId::AxisText);
            QFont chosen(QStringLiteral("DejaVu Serif"), 14);
            chosen.setItalic(true);
            fixture.interaction.fontAnswers.push_back(chosen);
            fixture.trigger(CommandId::AxisTextFont);
            fixture.typeAndEnter(QStringLiteral("x+1"));
            fixture.typeAndEnter(QStringLiteral("x+2"));
            fixture.trigger(CommandId::IntegralMode);
            QCOMPARE(frame.options().xAxisText, std::string("time"));
            fixture.closeFrame();
        }
        TMDIFrame& frame = fixture.start();
        QVERIFY(frame.options().angleUnit == engine::AngleUnit::Degrees);
        QVERIFY(checked(frame, CommandId::Degrees) && !checked(frame, CommandId::Radians));
        QVERIFY(checked(frame, CommandId::BoldLines) && !checked(frame, CommandId::NormalLines));
        QVERIFY(!checked(frame, CommandId::ShowGrid) && checked(frame, CommandId::ShowAxis));
        QCOMPARE(frame.options().xAxisText, std::string("time"));
        QCOMPARE(frame.options().fontName, std::string("DejaVu Serif"));
        QCOMPARE(frame.options().fontSize, 14);
        QVERIFY(frame.options().fontItalic);
        QCOMPARE(frame.entryList(), QStringList({"x+2", "x+1"}));
    }

    void historyCountBeyondItsEntriesGivesEmptyEntries() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath, "[FunctionCombo]\nCount=3\nF1=sin(x)\nF2=x^2\n");
        TMDIFrame& frame = fixture.start();
        QCOMPARE(frame.entryList(), QStringList({"sin(x)", "x^2", ""}));
    }

    void damagedHistoryCountCannotStallTheStart() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath,
                          "[FunctionCombo]\nCount=2000000000\nF1=x\n[IntegralCombo]\nCount=-4\n");
        TMDIFrame& frame = fixture.start();
        QCOMPARE(frame.entryList().size(), plotter::MaxHistoryEntries);
        QCOMPARE(frame.entryList().first(), QStringLiteral("x"));
        fixture.trigger(CommandId::IntegralMode);
        QVERIFY(frame.entryList().isEmpty());
    }

    void hexadecimalFontSizeIsRead() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath, "[Font]\nSize=0x0C\nStyleBold=1\n");
        TMDIFrame& frame = fixture.start();
        QCOMPARE(frame.options().fontSize, 12);
        QVERIFY(frame.options().fontBold);
    }

    void blockWithBothLineFlagsClearKeepsTheCurrentLineStyle() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::BoldLines);
        common::IniFile document(fixture.folder / "curve.QOR");
        TempFolder::write(document.fileName(), "[Options]\nBoldLines=0\nDottedLines=0\nShowGrid=0\n");
        frame.ReadSettings(document);
        QVERIFY(frame.options().boldLines);
        QVERIFY(checked(frame, CommandId::BoldLines) && !checked(frame, CommandId::NormalLines));
        QVERIFY(!checked(frame, CommandId::ShowGrid));

        TempFolder::write(document.fileName(), "[Options]\nBoldLines=0\nDottedLines=1\n");
        frame.ReadSettings(document);
        QVERIFY(frame.options().dottedLines && !frame.options().boldLines);
        QVERIFY(checked(frame, CommandId::DottedLines) && !checked(frame, CommandId::BoldLines));
    }

    void badZoomFactorInTheSettingsFileIsReportedAtStart() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath, "[AxisText]\nX=t\n[ZoomFactor]\nX=fast\n");
        TMDIFrame& frame = fixture.start();
        QCOMPARE(fixture.interaction.errors, QStringList({"'fast' is not a valid floating point value"}));
        QCOMPARE(frame.options().xAxisText, std::string("t"));
        QCOMPARE(frame.options().xZoomFactor, 2.0L);
    }

    void choosingTheLanguageInUseShowsNothing() {
        FrameFixture fixture;
        fixture.start();
        QStringList offered;
        fixture.interaction.dialogAnswers.push_back(selectLanguage(QStringLiteral("English"), &offered));
        fixture.trigger(CommandId::SelectLanguage);
        QCOMPARE(offered, QStringList({"English", "Swedish"}));
        QVERIFY(fixture.interaction.messages.isEmpty());
        QCOMPARE(fixture.settings.readString("Options", "Language", "none"), std::string("none"));
    }

    void choosingAnotherLanguageTakesEffectAtTheNextStart() {
        FrameFixture fixture;
        fixture.start();
        fixture.interaction.dialogAnswers.push_back(selectLanguage(QStringLiteral("Swedish")));
        fixture.trigger(CommandId::SelectLanguage);
        QCOMPARE(fixture.interaction.messages,
                 QStringList({"The new language will be used the next time you start Quorra."}));
        QCOMPARE(fixture.settings.readString("Options", "Language", ""), std::string("Swedish"));

        fixture.interaction.clear();
        fixture.interaction.dialogAnswers.push_back(selectLanguage(QString()));
        fixture.trigger(CommandId::SelectLanguage);
        QCOMPARE(fixture.interaction.messages, QStringList({"You did not select a language."}));
    }

    void firstStartOffersTheLanguageChoiceOnce() {
        FrameFixture fixture;
        TempFolder::write(fixture.settingsPath, "[Prog]\nFirstTime=1\n");
        fixture.start();
        QTRY_COMPARE_WITH_TIMEOUT(fixture.interaction.dialogsShown, QStringList({"dlgSelectLanguage"}), 3000);
        QCOMPARE(fixture.settings.readBool("Prog", "FirstTime", true), false);
    }

    void settingsFileThatCannotBeWrittenDoesNotStopTheProgram() {
        FrameFixture fixture;
        common::IniFile unwritable(fixture.folder / "missing folder" / "math.INI");
        fixture.start(unwritable);
        fixture.typeAndEnter(QStringLiteral("x"));
        fixture.frame->rangeWindow()->saveRange();
        fixture.trigger(CommandId::SavePosition);
        fixture.closeFrame();
        QVERIFY(fixture.interaction.messages.isEmpty());
        QVERIFY(fixture.interaction.errors.isEmpty());
        QVERIFY(!std::filesystem::exists(unwritable.fileName()));
    }

    void positionsNeverSavedGiveTheFrameItsDesignSizeAtTheOrigin() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        fixture.trigger(CommandId::LoadPosition);
        QCOMPARE(frame.size(), QSize(640, 480));
        QCOMPARE(frame.pos(), QPoint(0, 0));
        QVERIFY(!frame.isMaximized());
    }

    void savedWindowPositionsComeBack() {
        FrameFixture fixture;
        TMDIFrame& frame = fixture.start();
        QMdiSubWindow* pad = frame.subWindowOf(frame.functionPad());
        QMdiSubWindow* log = frame.subWindowOf(frame.logWindow());
        const QRect padPlace = pad->geometry();
        const QRect logPlace = log->geometry();
        fixture.trigger(CommandId::SavePosition);
        QCOMPARE(fixture.settings.readInteger("FunctionPadWindow", "Left", -1), padPlace.x());
        QCOMPARE(fixture.settings.readInteger("LogWindow", "Height", -1), logPlace.height());
        pad->move(300, 200);
        log->resize(250, 120);
        fixture.trigger(CommandId::LoadPosition);
        QCOMPARE(pad->geometry(), padPlace);
        QCOMPARE(log->geometry(), logPlace);
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
