#include "plotter/HelpTopics.h"

namespace plotter {

QString topicOfContext(int context) {
    switch (context) {
    case PlotFunctionContext:
        return QLatin1String(PlotFunctionTopic);
    case IntegralContext:
        return QLatin1String(IntegralTopic);
    default:
        return {};
    }
}

} // namespace plotter
