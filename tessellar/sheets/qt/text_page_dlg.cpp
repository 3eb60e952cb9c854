#include "tessellar/sheets/qt/text_page_dlg.h"

#include "tessellar/model/text_capacity.h"

namespace sheets {

CTextPageDlg::CTextPageDlg(const char* caption, int helpContext, QWidget* parent)
    : EditPage(QString::fromLatin1(caption), helpContext, texts::kOriginalText, texts::kNewText,
               static_cast<int>(model::kNameLength), parent) {
    setObjectName(QStringLiteral("CTextPageDlg"));
}

}  // namespace sheets
