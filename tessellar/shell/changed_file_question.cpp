#include "tessellar/shell/changed_file_question.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/cp1252_text.h"
#include "tessellar/document/document_texts.h"
#include "tessellar/shell/frame_texts.h"

namespace shell {

ChangedFileAnswer AskAboutChangedFile(QWidget* parent, const QString& fileName) {
    QMessageBox question(parent);
    question.setObjectName(QStringLiteral("changedFileQuestion"));
    question.setIcon(QMessageBox::Warning);
    question.setWindowTitle(QString::fromLatin1(texts::kApplicationTitle));
    question.setAccessibleName(question.windowTitle());
    question.setText(
        QString::fromLatin1(document::texts::kChangedByAnotherProgram).replace(QStringLiteral("%s"), fileName));
    question.setAccessibleDescription(question.text());
    QPushButton* saveAs = question.addButton(QString::fromUtf8("Save As\u2026"), QMessageBox::AcceptRole);
    saveAs->setObjectName(QStringLiteral("saveAsButton"));
    QPushButton* overwrite = question.addButton(QStringLiteral("Overwrite"), QMessageBox::DestructiveRole);
    overwrite->setObjectName(QStringLiteral("overwriteButton"));
    QPushButton* cancel = question.addButton(QMessageBox::Cancel);
    question.setDefaultButton(saveAs);
    question.setEscapeButton(cancel);
    question.exec();
    if (question.clickedButton() == saveAs) return ChangedFileAnswer::SaveAs;
    if (question.clickedButton() == overwrite) return ChangedFileAnswer::Overwrite;
    return ChangedFileAnswer::Cancel;
}

bool AskToReload(QWidget* parent, const QString& fileName, bool hasChanges) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("reloadQuestion"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QString::fromLatin1(texts::kApplicationTitle));
    box.setAccessibleName(box.windowTitle());
    QString text =
        QString::fromLatin1(document::texts::kChangedByAnotherProgram).replace(QStringLiteral("%s"), fileName);
    text += QString::fromLatin1(hasChanges ? document::texts::kReloadDiscards : document::texts::kReloadOffer);
    box.setText(text);
    box.setAccessibleDescription(text);
    QPushButton* reload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
    reload->setObjectName(QStringLiteral("reloadButton"));
    QPushButton* keep = box.addButton(QStringLiteral("Keep"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("keepButton"));
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

bool AskToRecover(QWidget* parent, const std::string& found) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("recoverQuestion"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QString::fromLatin1(texts::kApplicationTitle));
    box.setAccessibleName(box.windowTitle());
    box.setText(platform::QStringFromCp1252(found));
    box.setAccessibleDescription(box.text());
    QPushButton* recover = box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole);
    recover->setObjectName(QStringLiteral("recoverButton"));
    QPushButton* discard = box.addButton(QMessageBox::Discard);
    box.setDefaultButton(recover);
    box.setEscapeButton(discard);
    box.exec();
    return box.clickedButton() == recover;
}

bool AskToOpenAnyway(QWidget* parent, const std::string& question) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("openAnywayQuestion"));
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QString::fromLatin1(texts::kApplicationTitle));
    box.setAccessibleName(box.windowTitle());
    box.setText(platform::QStringFromCp1252(question));
    box.setAccessibleDescription(box.text());
    QPushButton* anyway = box.addButton(QStringLiteral("Open Anyway"), QMessageBox::DestructiveRole);
    anyway->setObjectName(QStringLiteral("openAnywayButton"));
    QPushButton* readOnly = box.addButton(QStringLiteral("Open Read-Only"), QMessageBox::RejectRole);
    readOnly->setObjectName(QStringLiteral("openReadOnlyButton"));
    box.setDefaultButton(readOnly);
    box.setEscapeButton(readOnly);
    box.exec();
    return box.clickedButton() == anyway;
}

}  // namespace shell
