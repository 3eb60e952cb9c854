#pragma once
// The canvas window of one screen: it covers the screen's frame and paints
// the whole screen in one pass, with the selection's handles, the rubber
// band of a drag and the right-click insertion mark on top. Mouse and keys
// go to the canvas interaction; what a gesture or a context-menu entry asks
// for becomes a command of the catalogue run through the document.

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "tessellar/canvas/interaction/canvas_commands.h"
#include "tessellar/canvas/interaction/canvas_interaction.h"
#include "tessellar/canvas/render/canvas_placement.h"
#include "tessellar/canvas/render/data_grid.h"
#include "tessellar/canvas/render/edit_requests.h"
#include "tessellar/canvas/render/paint_context.h"

class QLineEdit;
class QMenu;

namespace canvas {

class CScreenCanvas : public QWidget {
    Q_OBJECT
public:
    CScreenCanvas(const CanvasPlacement& placement, CellMetrics cell, model::CScreenModel& model, QWidget* parent);
    ~CScreenCanvas() override;

    const CanvasPlacement& Placement() const { return placement_; }
    // The screen's window was resized: the canvas takes its new size.
    void Replace(const CanvasPlacement& placement);
    // The title bar was clicked: the window is selected, with its handles.
    void SelectWindow();
    CellMetrics Cell() const { return cell_; }
    bool IsMenuWindow() const { return placement_.menuWindow; }
    model::CScreenModel& Model() { return model_; }
    // The application's "button" colours, which mode buttons take.
    void SetButtonColours(model::ColourPair colours);
    // Where each item was drawn last, for hit testing.
    const ItemRectangles& Rectangles() const { return rectangles_; }
    // Made on the first paint of a screen with a graphical data grid.
    CMyDataGrid* DataGrid() const { return dataGrid_; }

    // The document, the sink and the dialogs; both outlive the canvas (the view holds them).
    void SetEditing(const CanvasServices* services, const EditRequests* requests);
    interaction::CanvasInteraction& Interaction() { return interaction_; }
    // The selection after the screen was rebuilt, found again by its key.
    const interaction::CanvasInteraction& CurrentInteraction();

    bool CommandEnabled(interaction::CanvasCommand command);
    void Execute(interaction::CanvasCommand command);
    // The in-place editor of "&Rename" and "Add Pr&ompt" (child 103).
    QLineEdit* RenameEditor() const { return editor_; }
    // The statement row and column under the mouse while a drag is in progress.
    std::optional<model::CellPosition> DragCell() const;
    // Whether the keys go to the canvas: it has the focus, or gets it back
    // once the popup or dialog over its window closes.
    bool HoldsKeys() const;
    // The keys back to the canvas, its window made active again when no
    // popup or dialog is up (without a window manager nothing else would).
    void TakeKeys();

signals:
    // A command or a sheet changed the screen.
    void Changed();
    // The mouse moved over another cell while dragging.
    void DragCellChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class PendingEdit { None, Rename, AddPrompt };

    void PaintEditing(QPainter& painter);
    // Back to the placement's size after a window drag grew the canvas.
    void FitToPlacement();
    void PrepareInteraction();
    void ShowContextMenu(const QPoint& globalPosition);
    void ShowCursor();
    void Perform(const interaction::GestureOutcome& outcome);
    // Makes the named command and runs it on the screen; afterwards the
    // selection is reset and the screen repainted.
    bool Issue(std::string_view name, const commands::ItemKey& key, const std::vector<commands::CommandValue>& values);
    // A gesture's command; its item stays selected where the command left it.
    bool IssueKeepingSelection(const interaction::GestureOutcome& outcome);
    // A group action: its commands as one batch (one undo step, all or
    // nothing); the items stay selected where they went, and the status
    // bar tells how many were left out.
    void IssueGroup(const interaction::GroupPlan& plan, const std::vector<interaction::ItemCommand>& commands,
                    const char* leftOutFormat);
    void MoveGroup(model::CellPosition by);
    void Align(interaction::Alignment alignment);
    void SuppressGroup();
    void Refuse(std::string_view message);
    void AfterEdit(bool changed);
    // Runs a dialog hook (a sheet runs its own commands), then as AfterEdit.
    void AfterSheet(const std::function<bool()>& open);
    void AddField(model::FieldList list);
    void AddPrompt();
    void AddMode();
    void Suppress();
    void NoteHiddenItem();
    void Unsuppress();
    // The suppressed field list of a use: the chosen item released as one
    // undo step; a data entry field then follows the mouse until a click.
    void ReleaseSuppressed(lists::SuppressedListUse use);
    interaction::CellSize CellSizeOf() const { return {std::max(1, cell_.width), std::max(1, cell_.height)}; }
    void OpenProperties();
    // Double click and "&Properties": the sheet of the item under the selection.
    bool OpenSheet(const interaction::ItemHit& hit);
    // The trigger dialog of the selected item; true when it issued a command.
    bool OpenTrigger(const interaction::ItemHit& hit);
    void StartEditor(const interaction::PixelRect& where, const std::string& text, PendingEdit pending);
    void CommitEditor();
    void CancelEditor();

    CanvasPlacement placement_;
    CellMetrics cell_;
    model::CScreenModel& model_;
    model::ColourPair buttonColours_{model::colour::kBlack, model::colour::kSilver};
    ItemRectangles rectangles_;
    QPointer<CMyDataGrid> dataGrid_;
    const model::CReviewArea* gridArea_ = nullptr;  // the area the grid was made for
    interaction::CanvasInteraction interaction_;
    const CanvasServices* services_ = nullptr;
    const EditRequests* requests_ = nullptr;
    QLineEdit* editor_ = nullptr;
    PendingEdit pending_ = PendingEdit::None;
    int editorWidth_ = 0;  // the editor's width when it was shown
    commands::ItemKey pendingKey_;
    model::CellPosition pendingAt_;
    interaction::CellPoint dragCell_{-1, -1};
    // The hidden item under the last right click, for "&Unsuppress".
    interaction::SelectionKind hiddenKind_ = interaction::SelectionKind::None;
    commands::ItemKey hiddenKey_;
};

// The system's vertical scroll bar width, which a data grid leaves free.
int SystemScrollBarWidth();

}  // namespace canvas
