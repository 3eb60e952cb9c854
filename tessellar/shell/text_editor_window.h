#pragma once
// The built-in editor for a section's text when no editor is configured: a
// plain text window over one file with Save and Close. Closing with
// unsaved text asks whether to save it first.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace shell {

class TextEditorWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the file; the window title is its name.
    explicit TextEditorWindow(const QString& path, QWidget* parent = nullptr);

    QPlainTextEdit* Text() const { return text_; }
    // Writes the text back beside the file and renames it over; false
    // (with a message box) when that fails.
    bool Save();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString path_;
    QPlainTextEdit* text_;
    QPushButton* save_;
    QPushButton* close_;
};

}  // namespace shell
