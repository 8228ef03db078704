#pragma once

#include "common/GraphRange.h"
#include "reggraph/GraphScene.h"

#include <string>

namespace appkit {
class Interaction;
}
namespace regression {
class RegressionResult;
}

namespace reggraph {

// The range grid of the Data window: the six texts every drawing and zoom reads and writes, and the
// decimal separator they are typed with.
class RangeTable {
public:
    virtual ~RangeTable() = default;
    virtual common::RangeTexts rangeTexts() const = 0;
    virtual void setRangeTexts(const common::RangeTexts& texts) = 0;
    virtual char decimalSeparator() const = 0;
};

// The Data window's "X-Factor" and "Y-Factor" fields, as typed.
class ZoomFactors {
public:
    virtual ~ZoomFactors() = default;
    virtual std::string xFactorText() const = 0;
    virtual std::string yFactorText() const = 0;
};

// What the graph draws: the main window gathers the range, axis names, options, series switches,
// lists and the current project's records (the graph window puts in its own font), and holds the
// regression result the curves are evaluated through.
class SceneSource {
public:
    virtual ~SceneSource() = default;
    virtual GraphScene graphScene() = 0;
    virtual regression::RegressionResult& regressionResult() = 0;
};

// The main window's status line.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void showStatus(const std::string& text) = 0;
    virtual void clearStatus() = 0;
};

// The project store's modified flag.
class ModifiedFlag {
public:
    virtual ~ModifiedFlag() = default;
    virtual void setModified() = 0;
};

// Everything the graph window needs from the windows around it.
class GraphWindowHost : public RangeTable,
                        public ZoomFactors,
                        public SceneSource,
                        public StatusLine,
                        public ModifiedFlag {
public:
    // Message boxes of the program; a test answers them.
    virtual appkit::Interaction& interaction() = 0;
};

} // namespace reggraph
