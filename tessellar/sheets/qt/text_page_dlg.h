#pragma once
// The Text page: the original text and the new one (up to 79 characters).
// The same page under another tab title ("Field Title", "Screen Title")
// edits a title.

#include "tessellar/sheets/qt/edit_page.h"
#include "tessellar/sheets/sheet_texts.h"

namespace sheets {

class CTextPageDlg : public EditPage {
public:
    explicit CTextPageDlg(const char* caption = texts::kTextTab, int helpContext = texts::kTextHelp,
                          QWidget* parent = nullptr);
};

}  // namespace sheets
