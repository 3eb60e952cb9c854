#include "tessellar/sheets/qt/mode_attr_page.h"

#include <QCheckBox>

#include "tessellar/sheets/qt/default_value_source.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CModeAttrPage::CModeAttrPage(QWidget* parent)
    : CheckPage(QString::fromLatin1(texts::kAttributesTab), texts::kAttributesHelp, parent) {
    setObjectName(QStringLiteral("CModeAttrPage"));
    AddBox(texts::kSuppress);
    AddBox(texts::kModeReadOnly);
    AddBox(texts::kScreenDefaultMode);
    Box(kReadonlyBox)->setEnabled(false);
    connect(Box(kSuppressBox), &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked || sheet_ == nullptr) return;
        if (!DefaultCheckPasses(*sheet_, defaultPage_, &commands::CheckHideDefault)) SetMark(kSuppressBox, false);
    });
}

void CModeAttrPage::SetOriginal(bool suppressed, bool screenDefault) {
    SetOriginalMark(kSuppressBox, suppressed);
    SetOriginalMark(kDefaultBox, screenDefault);
}

void CModeAttrPage::SetCurrent(bool suppressed, bool screenDefault) {
    SetMark(kSuppressBox, suppressed);
    SetMark(kDefaultBox, screenDefault);
}

void CModeAttrPage::SetDefaultChecks(CMyPropertySheet* sheet, int defaultPage) {
    sheet_ = sheet;
    defaultPage_ = defaultPage;
}

}  // namespace sheets
