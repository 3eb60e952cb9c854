#pragma once
// "List Screen Messages": the current screen's messages with their original
// and override texts, filtered and sorted as the user asks; Override cells
// are edited in place by a double click, and OK issues every changed text
// as one undo step. The decisions are the message list's (MessageList).

#include <QDialog>

#include "tessellar/lists/message_list.h"
#include "tessellar/sheets/qt/sheet_context.h"

class QPushButton;
class QRadioButton;
class QTableWidget;

namespace lists {

class MessageListDialog : public QDialog {
    Q_OBJECT

public:
    MessageListDialog(MessageList& list, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillRows();
    void ShowWorkingTexts();
    void CellEdited(int row, int column);
    void HeaderClicked(int column);
    void ResetSelected();
    void ResetEveryRow();
    int IdOfRow(int row) const;

    MessageList& list_;
    QTableWidget* table_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* overridden_ = nullptr;
    QPushButton* resetItem_ = nullptr;
    bool filling_ = false;
};

// Opens the list on the context's screen. True when OK issued commands
// (the screen's items are rebuilt then); Cancel writes nothing.
bool ListScreenMessages(const sheets::SheetContext& context);

}  // namespace lists
