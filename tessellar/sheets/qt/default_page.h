#pragma once
// The Default Value page of the entry field sheet: the value the field
// takes when the user gives none, and where it comes from — a literal
// (chosen from the program's allowed values when it has a list, else
// typed), a field chosen through the field list ("&Browse..."), or one of
// the functions "login-id" and "today".

#include <QString>

#include <string>
#include <string_view>
#include <vector>

#include "tessellar/commands/value_list_check.h"
#include "tessellar/model/screen_model.h"
#include "tessellar/sheets/accept_sheet_plan.h"
#include "tessellar/sheets/qt/default_value_source.h"
#include "tessellar/sheets/qt/property_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sheets {

class CDefaultPageDlg : public PropertyPage, public DefaultValueSource {
public:
    // allowedValues: the program's allowed values of the field (empty: typed).
    CDefaultPageDlg(const model::CScreenModel& screen, std::vector<commands::ListValue> allowedValues,
                    QWidget* parent = nullptr);

    void SetOriginal(std::string_view value, DefaultSource source);
    void SetCurrent(std::string_view value, DefaultSource source);
    std::string NewValue() const;
    DefaultSource NewSource() const;

    void RestoreOriginal() override;
    // What the Attributes page asks before it lets the field be hidden.
    std::string CurrentDefaultText() const override { return NewValue(); }

    QLineEdit* ValueEdit() const { return valueEdit_; }
    QComboBox* AllowedValues() const { return allowedValues_; }
    QPushButton* BrowseButton() const { return browse_; }
    QComboBox* Functions() const { return functions_; }
    QRadioButton* SourceButton(DefaultSource source) const;

private:
    void Show(std::string_view value, DefaultSource source);
    void FollowSource();
    void Browse();

    const model::CScreenModel& screen_;
    std::string originalValue_;
    DefaultSource originalSource_ = DefaultSource::Literal;
    QComboBox* allowedValues_ = nullptr;  // when the program gives a list
    QLineEdit* valueEdit_ = nullptr;      // the combo's own edit, or a plain edit
    QRadioButton* literal_ = nullptr;
    QRadioButton* field_ = nullptr;
    QRadioButton* function_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* functions_ = nullptr;
};

}  // namespace sheets
