#pragma once
// "List of Defined Modes": the screen's modes, one line each in program
// order (a mode found by name shows its name, otherwise its text), under
// the screen's name, the first line selected.

#include <QDialog>

#include "tessellar/sheets/qt/sheet_context.h"

class QListWidget;

namespace sheets {

class ModeListDialog : public QDialog {
    Q_OBJECT

public:
    ModeListDialog(const model::CScreenModel& screen, QWidget* parent = nullptr);

    // The chosen line, or -1.
    int Chosen() const;
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_ = nullptr;
};

// The line the user chose (the mode's place in the screen's mode list), or
// -1 for a screen without modes or a cancelled list.
int ChooseModeFromList(const SheetContext& context);

}  // namespace sheets
