#pragma once

#include <QString>

namespace plotter {

// Help topics are anchors of the help file.
inline constexpr const char* PlotFunctionTopic = "How_To_Plot_A_Function";
inline constexpr const char* IntegralTopic = "How_To_Calculate_The_Value_Of_An_Integral";

// Help context numbers, as the dialogs' Help buttons ask for them.
enum HelpContext { ContentsContext = 0, PlotFunctionContext = 1, IntegralContext = 2 };

// The anchor of a help context number; the contents and unknown numbers give an empty anchor.
QString topicOfContext(int context);

} // namespace plotter
