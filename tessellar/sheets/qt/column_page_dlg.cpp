#include "tessellar/sheets/qt/column_page_dlg.h"

#include "tessellar/model/text_capacity.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

CColumnPageDlg::CColumnPageDlg(QWidget* parent)
    : EditPage(QString::fromLatin1(texts::kColumnOrderTab), texts::kColumnHelp, nullptr, texts::kColumnOrderNumber,
               static_cast<int>(model::kNameLength), parent) {
    setObjectName(QStringLiteral("CColumnPageDlg"));
}

}  // namespace sheets
