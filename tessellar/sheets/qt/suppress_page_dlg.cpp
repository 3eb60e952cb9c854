#include "tessellar/sheets/qt/suppress_page_dlg.h"

#include <QCheckBox>

#include "tessellar/sheets/qt/default_value_source.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CSuppressPageDlg::CSuppressPageDlg(QWidget* parent)
    : CheckPage(QString::fromLatin1(texts::kAttributesTab), texts::kAttributesHelp, parent) {
    setObjectName(QStringLiteral("CSuppressPageDlg"));
    AddBox(texts::kSuppress);
    AddBox(texts::kReadOnly);
    Box(kReadonlyBox)->setEnabled(false);
    auto guard = [this](int number, DefaultCheck check) {
        connect(Box(number), &QCheckBox::clicked, this, [this, number, check](bool checked) {
            if (!checked || sheet_ == nullptr) return;
            if (!DefaultCheckPasses(*sheet_, defaultPage_, check)) SetMark(number, false);
        });
    };
    guard(kSuppressBox, &commands::CheckHideDefault);
    guard(kReadonlyBox, &commands::CheckReadonlyDefault);
}

void CSuppressPageDlg::SetOriginal(bool suppressed, bool readonly) {
    SetOriginalMark(kSuppressBox, suppressed);
    SetOriginalMark(kReadonlyBox, readonly);
}

void CSuppressPageDlg::SetCurrent(bool suppressed, bool readonly) {
    SetMark(kSuppressBox, suppressed);
    SetMark(kReadonlyBox, readonly);
}

void CSuppressPageDlg::SetDefaultChecks(CMyPropertySheet* sheet, int defaultPage) {
    sheet_ = sheet;
    defaultPage_ = defaultPage;
    Box(kReadonlyBox)->setEnabled(sheet != nullptr);
}

}  // namespace sheets
