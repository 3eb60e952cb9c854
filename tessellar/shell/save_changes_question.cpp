#include "tessellar/shell/save_changes_question.h"

#include <QMessageBox>

#include "platform/message_format.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {

SaveChangesAnswer AskToSaveChanges(QWidget* parent, const QString& fileName) {
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("saveChangesQuestion"));
    question.setIcon(QMessageBox::Warning);
    question.setWindowTitle(QString::fromLatin1(texts::kApplicationTitle));
    question.setAccessibleName(question.windowTitle());
    question.setText(QString::fromLatin1(texts::kSaveChanges).replace(QStringLiteral("%s"), fileName));
    question.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    switch (question.exec()) {
        case QMessageBox::Save:
            return SaveChangesAnswer::Save;
        case QMessageBox::Discard:
            return SaveChangesAnswer::Discard;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

}  // namespace shell
