#include "tessellar/sheets/qt/picture_page_dlg.h"

#include <QFormLayout>
#include <QPointer>
#include <QPushButton>

#include "tessellar/model/text_capacity.h"
#include "tessellar/sheets/qt/my_property_sheet.h"
#include "tessellar/sheets/sheet_texts.h"
#include "tessellar/help/qt/help_viewer.h"

namespace sheets {

CPicturePageDlg::CPicturePageDlg(CMyPropertySheet* sheet, QWidget* parent)
    : EditPage(QString::fromLatin1(texts::kFormatTab), texts::kFormatHelpContext, texts::kOriginalFormat,
               texts::kFormat, static_cast<int>(model::kNameLength), parent) {
    setObjectName(QStringLiteral("CPicturePageDlg"));
    formatHelp_ = new QPushButton(QString::fromLatin1(texts::kFormatHelp), this);
    formatHelp_->setAccessibleName(formatHelp_->text());
    formatHelp_->setAutoDefault(false);
    Form()->addRow(QString(), formatHelp_);
    QPointer<CMyPropertySheet> owner(sheet);
    connect(formatHelp_, &QPushButton::clicked, this, [this, owner] {
        if (owner) {
            owner->OpenHelp(texts::kFormatHelpContext);
        } else {
            help::ShowHelpPage(this, texts::kFormatHelpContext);
        }
    });
}

}  // namespace sheets
