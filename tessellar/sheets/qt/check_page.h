#pragma once
// A page of check boxes, each with its original and current mark; Reset
// puts the original marks back. The styles and attributes pages are built
// on it.

#include <QString>

#include <vector>

#include "tessellar/sheets/qt/property_page.h"

class QCheckBox;
class QGridLayout;

namespace sheets {

class CheckPage : public PropertyPage {
public:
    CheckPage(const QString& caption, int helpContext, QWidget* parent = nullptr);

    void RestoreOriginal() override;

protected:
    // Adds a box (its caption also its accessible name) at the next place
    // of a grid filled column by column, `rows` boxes to a column; returns
    // its number.
    int AddBox(const char* caption, int rows = kOneColumn);
    QCheckBox* Box(int number) const { return boxes_[static_cast<std::size_t>(number)]; }
    void SetOriginalMark(int number, bool checked) { originals_[static_cast<std::size_t>(number)] = checked; }
    bool OriginalMark(int number) const { return originals_[static_cast<std::size_t>(number)]; }
    void SetMark(int number, bool checked);
    bool Mark(int number) const;

private:
    static constexpr int kOneColumn = 1000;

    QGridLayout* grid_ = nullptr;
    std::vector<QCheckBox*> boxes_;
    std::vector<bool> originals_;
};

}  // namespace sheets
