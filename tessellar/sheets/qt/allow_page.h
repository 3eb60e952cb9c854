#pragma once
// The Allow/Disallow page of the entry field sheet: the program's own
// allowed values beside the user's value list, whose sense says whether
// the user's values are the only ones allowed or are disallowed. Values are
// typed (a range as "LOW to HIGH") and added, or copied from the program's
// list.

#include <vector>

#include "platform/message_sink.h"
#include "tessellar/commands/value_list_check.h"
#include "tessellar/sheets/qt/property_page.h"
#include "tessellar/sheets/user_value_list.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace sheets {

class CAllowPageDlg : public PropertyPage {
public:
    // fieldLength and numeric: the field's, for the values added.
    CAllowPageDlg(std::vector<commands::ListValue> programValues, std::size_t fieldLength, bool numeric,
                  platform::MessageSink& sink, QWidget* parent = nullptr);

    void SetCurrent(const std::vector<commands::ListValue>& userValues, int sense);
    const std::vector<commands::ListValue>& NewList() const { return userList_.Values(); }
    int NewSense() const;

    // Reset empties the user list.
    void RestoreOriginal() override;

    QListWidget* ProgramList() const { return programList_; }
    QListWidget* UserList() const { return userListView_; }
    QLineEdit* Entry() const { return entry_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* CopyButton() const { return copy_; }
    QPushButton* SelectAllButton() const { return selectAll_; }
    QPushButton* ClearAllButton() const { return clearAll_; }
    QPushButton* RemoveButton() const { return remove_; }
    QRadioButton* AllowedButton() const { return allowed_; }
    QRadioButton* DisallowedButton() const { return disallowed_; }

protected:
    // Enter in the entry box adds its value instead of pressing OK.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddEntry();
    void CopySelected();
    void RemoveSelected();
    void ShowUserList();
    void FollowLists();

    std::vector<commands::ListValue> programValues_;
    UserValueList userList_;
    platform::MessageSink& sink_;
    QListWidget* programList_ = nullptr;
    QListWidget* userListView_ = nullptr;
    QRadioButton* allowed_ = nullptr;
    QRadioButton* disallowed_ = nullptr;
    QLineEdit* entry_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace sheets
