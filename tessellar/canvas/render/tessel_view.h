#pragma once
// The document's scroll view: it owns the screen font's cell metrics and
// one canvas window for the current screen, and draws nothing itself.

#include <QLabel>
#include <QPointer>
#include <QScrollArea>

#include <optional>

#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/screen_canvas.h"
#include "tessellar/model/screen_model.h"

namespace canvas {

class CTesselView : public QScrollArea {
    Q_OBJECT
public:
    // Measures the screen font: the user's font from the settings, else the default.
    explicit CTesselView(const std::optional<model::FontDescription>& customFont, QWidget* parent = nullptr);
    ~CTesselView() override;

    CellMetrics Cell() const { return cell_; }
    CScreenCanvas* Canvas() const { return canvas_; }
    void SetButtonColours(model::ColourPair colours);

    // Replaces the canvas with one for this screen (none: no canvas). The
    // scroll size grows to the largest screen seen. menuWindow: the screen
    // is a menu shown as a pull-down.
    void ShowScreen(model::CScreenModel* screen, bool menuWindow = false);

    // "Highlight Changes": flips the process-wide switch and repaints.
    bool ToggleHighlightChanges();

private:
    CellMetrics cell_;
    model::ColourPair buttonColours_{model::colour::kBlack, model::colour::kSilver};
    QWidget* surface_;
    QPointer<QLabel> caption_;
    QPointer<CScreenCanvas> canvas_;
    QSize extent_{100, 100};
};

}  // namespace canvas
