#pragma once
// A point of the plot in whole pixels (plot coordinates: origin at the
// lower-left corner of the plot, x to the right, y upward). Plain data, so
// that the scaling library can hand shapes to the drawing code without Qt.

namespace velaris {

struct punto_grafico {
    int x = 0;
    int y = 0;
    friend bool operator==(const punto_grafico&, const punto_grafico&) = default;
};

} // namespace velaris
