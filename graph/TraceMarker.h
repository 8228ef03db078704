#pragma once

#include <QWidget>

namespace graph {

// `shapeTrace`: an 8 by 8 red rounded-square outline that sits over the graph's picture on the
// traced curve. It lets the mouse through to the graph window and is never drawn into the picture.
class TraceMarker : public QWidget {
public:
    static constexpr int Size = 8;

    explicit TraceMarker(QWidget* parent);
    // Centres the marker on the pixel (column, row).
    void centreOn(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace graph
