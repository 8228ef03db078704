#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace plotter {

// Help topics are anchors of the help file.
inline constexpr const char* PlotFunctionTopic = "How_To_Plot_A_Function";
inline constexpr const char* IntegralTopic = "How_To_Calculate_The_Value_Of_An_Integral";

// Help context numbers, as the dialogs' Help buttons ask for them.
enum HelpContext { ContentsContext = 0, PlotFunctionContext = 1, IntegralContext = 2 };

// The anchor of a help context number; the contents and unknown numbers give an empty anchor.
QString topicOfContext(int context);

} // namespace plotter

// The help window: the HTML help file of the current language in a browser with back and forward.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows `file` at `topic`, or at its start when the topic is empty, and brings the window to the
    // front. A file that does not exist shows nothing and returns false.
    bool showTopic(const QString& file, const QString& topic = {});

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    bool placed_ = false;
};
