#include "tessellar/shell/text_editor_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "platform/qt/cp1252_text.h"
#include "tessellar/shell/frame_texts.h"
#include "tessellar/shell/save_changes_question.h"

namespace shell {
namespace {

constexpr int kColumnsShown = 80;
constexpr int kRowsShown = 30;
constexpr int kTabColumns = 4;

}  // namespace

TextEditorWindow::TextEditorWindow(const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(path), text_(new QPlainTextEdit(this)),
      save_(new QPushButton(QString::fromLatin1(texts::kEditorSave), this)),
      close_(new QPushButton(QString::fromLatin1(texts::kEditorClose), this)) {
    setObjectName(QStringLiteral("textEditorWindow"));
    setWindowTitle(QFileInfo(path).fileName());
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);

    text_->setObjectName(QStringLiteral("editorText"));
    text_->setAccessibleName(QString::fromLatin1(texts::kEditorTextName));
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        text_->setPlainText(
            platform::QStringFromCp1252(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    }
    text_->document()->setModified(false);
    const QFontMetrics metrics(text_->font());
    text_->setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * kTabColumns);
    text_->setMinimumSize(metrics.averageCharWidth() * kColumnsShown, metrics.lineSpacing() * kRowsShown);

    save_->setObjectName(QStringLiteral("editorSave"));
    save_->setAccessibleName(save_->text().remove(QLatin1Char('&')));
    close_->setObjectName(QStringLiteral("editorClose"));
    close_->setAccessibleName(close_->text().remove(QLatin1Char('&')));
    connect(save_, &QPushButton::clicked, this, &TextEditorWindow::Save);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
}

bool TextEditorWindow::Save() {
    const std::string bytes = platform::Cp1252FromQString(text_->toPlainText());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
        !file.commit()) {
        QMessageBox::warning(this, windowTitle(),
                             QString::fromLatin1(texts::kEditorNotSaved).replace(QStringLiteral("%s"), path_));
        return false;
    }
    text_->document()->setModified(false);
    return true;
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (text_->document()->isModified()) {
        switch (AskToSaveChanges(this, windowTitle())) {
            case SaveChangesAnswer::Save:
                if (!Save()) {
                    event->ignore();
                    return;
                }
                break;
            case SaveChangesAnswer::Discard:
                break;
            case SaveChangesAnswer::Cancel:
                event->ignore();
                return;
        }
    }
    event->accept();
    emit closed();
}

}  // namespace shell
