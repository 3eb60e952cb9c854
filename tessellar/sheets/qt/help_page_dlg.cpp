#include "tessellar/sheets/qt/help_page_dlg.h"

#include "tessellar/model/text_capacity.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CHelpPageDlg::CHelpPageDlg(QWidget* parent)
    : EditPage(QString::fromLatin1(texts::kToolTipTab), texts::kToolTipHelp, nullptr, texts::kToolTip,
               static_cast<int>(model::kHelpLineLength), parent) {
    setObjectName(QStringLiteral("CHelpPageDlg"));
}

}  // namespace sheets
