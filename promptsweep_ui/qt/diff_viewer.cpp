#include "promptsweep_ui/qt/diff_viewer.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSplitter>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QVBoxLayout>

#include "promptsweep_ui/diff_files.h"
#include "promptsweep_ui/qt/window_text.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

// Colours each line of the diff by what it is.
class DiffHighlighter : public QSyntaxHighlighter {
public:
    explicit DiffHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
        added_.setForeground(QColor(0x00, 0x6B, 0x1F));
        added_.setBackground(QColor(0xE6, 0xFF, 0xEC));
        removed_.setForeground(QColor(0xA3, 0x00, 0x0C));
        removed_.setBackground(QColor(0xFF, 0xEB, 0xE9));
        hunk_.setForeground(QColor(0x05, 0x50, 0xAE));
        header_.setFontWeight(QFont::Bold);
        note_.setForeground(QColor(0x6E, 0x6E, 0x6E));
    }

protected:
    void highlightBlock(const QString& text) override {
        const QByteArray line = text.toUtf8();
        const QTextCharFormat* format = nullptr;
        switch (KindOfDiffLine(std::string_view(line.constData(), static_cast<std::size_t>(line.size())))) {
            case DiffLineKind::Header: format = &header_; break;
            case DiffLineKind::Hunk: format = &hunk_; break;
            case DiffLineKind::Added: format = &added_; break;
            case DiffLineKind::Removed: format = &removed_; break;
            case DiffLineKind::Note: format = &note_; break;
            case DiffLineKind::Context: break;
        }
        if (format != nullptr) setFormat(0, static_cast<int>(text.size()), *format);
    }

private:
    QTextCharFormat added_, removed_, hunk_, header_, note_;
};

QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy) {
    auto* label = new QLabel(Latin(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

}  // namespace

DiffViewer::DiffViewer(const QByteArray& diff, const QByteArray& notes, QWidget* parent)
    : QDialog(parent), diff_(diff) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(Latin(texts::kPreviewTitle));
    setSizeGripEnabled(true);

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("lstPreviewFiles"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtPreviewDiff"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    text_->setFont(fixed);
    new DiffHighlighter(text_->document());

    const std::string bytes = diff.toStdString();
    for (const DiffFile& file : DiffFiles(bytes)) {
        files_->addItem(FromConsoleBytes(QByteArray::fromStdString(file.path)));
        headerLines_.push_back(static_cast<int>(file.headerLine));
    }
    text_->setPlainText(diff.isEmpty() ? Latin(texts::kPreviewNothing) : FromConsoleBytes(diff));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(Caption(left, texts::kPreviewFiles, files_));
    leftLayout->addWidget(files_, 1);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Caption(right, texts::kPreviewDiff, text_));
    rightLayout->addWidget(text_, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 4);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    if (!notes.isEmpty()) {
        auto* notesBox = new QPlainTextEdit(this);
        notesBox->setObjectName(QStringLiteral("txtPreviewNotes"));
        notesBox->setReadOnly(true);
        notesBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        notesBox->setPlainText(FromConsoleBytes(notes).trimmed());
        notesBox->setMaximumHeight(fontMetrics().height() * 5);
        layout->addWidget(Caption(this, texts::kPreviewNotes, notesBox));
        layout->addWidget(notesBox);
    }
    auto* save = new QPushButton(Latin(texts::kSaveAs), this);
    save->setObjectName(QStringLiteral("cmdSaveAs"));
    save->setAccessibleName(save->text());
    save->setEnabled(!diff.isEmpty());
    auto* close = new QPushButton(Latin(texts::kClose), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(close->text());
    close->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(files_, &QListWidget::currentRowChanged, this, &DiffViewer::ShowFile);
    connect(save, &QPushButton::clicked, this, &DiffViewer::SaveAs);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    // Tabs of four, as override files are read; wide enough for a full
    // override line beside the file list.
    const QFontMetrics metrics(fixed);
    text_->setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * 4);
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 110 + 220, metrics.height() * 34);
    if (files_->count() > 0) files_->setCurrentRow(0);
}

// Brings the file's header to the top of the diff.
void DiffViewer::ShowFile(int row) {
    if (row < 0 || row >= static_cast<int>(headerLines_.size())) return;
    const QTextBlock block = text_->document()->findBlockByNumber(headerLines_[static_cast<std::size_t>(row)]);
    QTextCursor cursor(block);
    text_->setTextCursor(cursor);
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
    text_->setTextCursor(cursor);
    text_->ensureCursorVisible();
}

bool DiffViewer::SaveTo(const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(diff_) == diff_.size() && file.commit()) return true;
    ShowMessage(this, Latin(texts::kCannotSavePreview) + path);
    return false;
}

void DiffViewer::SaveAs() {
    const QString path = QFileDialog::getSaveFileName(this, Latin(texts::kSavePreviewTitle),
                                                      Latin(texts::kSavePreviewName), Latin(texts::kSavePreviewFilter));
    if (!path.isEmpty()) SaveTo(path);
}

}  // namespace sweepui
