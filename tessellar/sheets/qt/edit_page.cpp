#include "tessellar/sheets/qt/edit_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "tessellar/sheets/qt/sheet_text.h"

namespace sheets {

EditPage::EditPage(const QString& caption, int helpContext, const char* originalCaption, const char* editCaption,
                   int maxLength, QWidget* parent)
    : PropertyPage(caption, helpContext, parent) {
    auto* outer = new QVBoxLayout(this);
    form_ = new QFormLayout;
    outer->addLayout(form_);
    outer->addStretch(1);
    if (originalCaption != nullptr && *originalCaption != '\0') {
        auto* label = new QLabel(QString::fromLatin1(originalCaption), this);
        label->setAccessibleName(label->text());
        originalValue_ = new QLabel(this);
        originalValue_->setObjectName(QStringLiteral("originalValue"));
        originalValue_->setAccessibleName(label->text());
        originalValue_->setTextFormat(Qt::PlainText);
        originalValue_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form_->addRow(label, originalValue_);
    }
    auto* label = new QLabel(QString::fromLatin1(editCaption), this);
    label->setAccessibleName(label->text());
    edit_ = new QLineEdit(this);
    edit_->setAccessibleName(label->text());
    edit_->setMaxLength(maxLength);
    // Wide enough for a full-length value in the dialog font.
    edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 40);
    label->setBuddy(edit_);
    form_->addRow(label, edit_);
}

void EditPage::SetOriginal(std::string_view text) {
    original_ = std::string(text);
    if (originalValue_ != nullptr) originalValue_->setText(Latin(text));
}

void EditPage::SetCurrent(std::string_view text) { edit_->setText(Latin(text)); }

std::string EditPage::NewValue() const { return Bytes(edit_->text()); }

void EditPage::RestoreOriginal() { edit_->setText(Latin(original_)); }

}  // namespace sheets
