#pragma once
// The "Legend" window: what each highlight frame colour means. One window
// per process; asking for it again brings the open one forward.

#include <QDialog>

namespace canvas {

class LegendWindow : public QDialog {
    Q_OBJECT
public:
    // Opens the legend, or activates it when it is open already.
    static LegendWindow* Open(QWidget* parent = nullptr);
    // The open legend, or null.
    static LegendWindow* Instance();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit LegendWindow(QWidget* parent);
    ~LegendWindow() override;
};

// Paints the legend's content: five frames and their texts.
void PaintLegend(QPainter& painter, const QRect& client);

// The legend's size: 183 x 106 dialog units of its font.
QSize LegendSize(const QFont& dialogFont);

}  // namespace canvas
