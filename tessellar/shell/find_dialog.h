#pragma once
// The modeless "Find" dialog (find only): the text, whole word, match case
// and the direction. Each "Find Next" asks the window to search on; closing
// the dialog ends the search.

#include <QDialog>

#include "tessellar/document/browser_find.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shell {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);
    document::FindRequest Request() const;

signals:
    void findNext(const document::FindRequest& request);

private:
    QLineEdit* text_;
    QCheckBox* wholeWord_;
    QCheckBox* matchCase_;
    QRadioButton* up_;
    QRadioButton* down_;
    QPushButton* findNext_;
};

}  // namespace shell
