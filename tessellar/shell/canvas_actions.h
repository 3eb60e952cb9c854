#pragma once
// The canvas's commands in the main window: the actions of the canvas
// entries, placed at the end of the Edit menu, forwarded to the view with
// the enabled state the current canvas gives them, and the selection
// pane's text for the canvas (the selected item, or the cell under the
// mouse while dragging).

#include <QString>

#include <functional>

namespace canvas {
class CTesselView;
}

namespace shell {

class CMainFrame;

// afterChange runs after every command that changed the screen.
void ConnectCanvasActions(CMainFrame& frame, std::function<void()> afterChange);

QString CanvasPaneText(canvas::CTesselView& view);

}  // namespace shell
