#include "tessellar/sheets/qt/scale_page_dlg.h"

#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

namespace {
// "1000" and a little room to type a wrong value that OK then refuses.
constexpr int kScaleDigits = 8;
}  // namespace

CScalePageDlg::CScalePageDlg(QWidget* parent)
    : EditPage(QString::fromLatin1(texts::kScaleTab), texts::kScaleHelp, nullptr, texts::kScaleFactor, kScaleDigits,
               parent) {
    setObjectName(QStringLiteral("CScalePageDlg"));
}

}  // namespace sheets
