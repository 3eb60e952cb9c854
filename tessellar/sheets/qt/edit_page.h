#pragma once
// A page that edits one text: an edit under its label, and on some pages
// the original value shown above it ("Original Text:"). The edit starts
// at the current value; Reset puts the original back.

#include <QString>

#include <string>
#include <string_view>

#include "tessellar/sheets/qt/property_page.h"

class QFormLayout;
class QLabel;
class QLineEdit;

namespace sheets {

class EditPage : public PropertyPage {
public:
    // originalCaption empty: the page shows no original value.
    EditPage(const QString& caption, int helpContext, const char* originalCaption, const char* editCaption,
             int maxLength, QWidget* parent = nullptr);

    void SetOriginal(std::string_view text);
    void SetCurrent(std::string_view text);
    // What the edit holds now.
    std::string NewValue() const;
    const std::string& Original() const { return original_; }

    QLineEdit* Edit() const { return edit_; }
    void RestoreOriginal() override;

protected:
    QFormLayout* Form() const { return form_; }

private:
    std::string original_;
    QFormLayout* form_ = nullptr;
    QLabel* originalValue_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

}  // namespace sheets
