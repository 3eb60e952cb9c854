#pragma once
// The document's scroll view: it owns the screen font's cell metrics and
// one canvas window for the current screen, and draws nothing itself. It
// holds what the canvas edits with (the document, the sink, the dialog
// hooks) and forwards the canvas's commands from the main window's menus
// and toolbars with their enabled state.

#include <QLabel>
#include <QPointer>
#include <QScrollArea>

#include <optional>

#include "tessellar/canvas/interaction/canvas_commands.h"
#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/edit_requests.h"
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

    // What every canvas edits with; set by the frame, the hooks at wiring.
    void SetServices(CanvasServices services) { services_ = std::move(services); }
    EditRequests& Requests() { return requests_; }
    void SetRequests(EditRequests requests) { requests_ = std::move(requests); }

    // The canvas's commands from the menus and toolbars: disabled without a canvas.
    bool CommandEnabled(interaction::CanvasCommand command) const;
    void Execute(interaction::CanvasCommand command);

signals:
    // A command or a sheet changed the current screen.
    void Changed();
    // While dragging, the mouse moved to another cell (CScreenCanvas::DragCell).
    void DragCellChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RefreshCaption();
    // A command resized the screen's window: the canvas and its title bar follow.
    void RefreshPlacement();

    CellMetrics cell_;
    model::ColourPair buttonColours_{model::colour::kBlack, model::colour::kSilver};
    QWidget* surface_;
    QPointer<QLabel> caption_;
    QPointer<CScreenCanvas> canvas_;
    QSize extent_{100, 100};
    bool menuWindow_ = false;
    CanvasServices services_;
    EditRequests requests_;
};

}  // namespace canvas
