#pragma once
// The Filter page of an entry field in a review area: which comparison the
// field's rows must pass and against which value(s). "&Remove Filter"
// takes the comparison and the values away.

#include "tessellar/sheets/filter_comparison.h"
#include "tessellar/sheets/qt/property_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace sheets {

class CFilterDlgPage : public PropertyPage {
public:
    explicit CFilterDlgPage(QWidget* parent = nullptr);

    void SetCurrent(const FilterSetting& filter);
    FilterSetting NewFilter() const;

    // Reset clears the comparison and the values, as "&Remove Filter" does.
    void RestoreOriginal() override;

    QComboBox* Comparison() const { return comparison_; }
    QLineEdit* Values() const { return values_; }
    QPushButton* RemoveButton() const { return remove_; }

private:
    QComboBox* comparison_ = nullptr;
    QLineEdit* values_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace sheets
