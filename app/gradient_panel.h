#pragma once
// A panel filled with a vertical gradient in two linear halves: from the
// end colour at the top edge to the middle colour at half height, and from
// there to the start colour at the bottom edge. Its background colour lies
// under the gradient; opaque labels on it paint their box with it.
#include <QColor>
#include <QWidget>

namespace tt::app {

struct GradientColours {
    QColor start;   // bottom edge
    QColor middle;  // half height
    QColor end;     // top edge
    QColor background;
};

class GradientPanel : public QWidget {
public:
    GradientPanel(const GradientColours& colours, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GradientColours colours_;
};

}  // namespace tt::app
