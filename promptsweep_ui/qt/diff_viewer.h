#pragma once
// The preview of a run: the files whose SCF file would change on the left,
// the unified diff on the right with added lines green and removed lines
// red, the tool's notes (a merge it would cancel, a program that does not
// load) below, and Save As to keep the diff as it came from the tool.

#include <QByteArray>
#include <QDialog>

#include <vector>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace sweepui {

class DiffViewer : public QDialog {
    Q_OBJECT
public:
    // diff: the tool's standard output; notes: its error output.
    DiffViewer(const QByteArray& diff, const QByteArray& notes, QWidget* parent = nullptr);

    const QByteArray& Diff() const { return diff_; }
    // Writes the diff as it came; false (with a message) when that fails.
    bool SaveTo(const QString& path);

private:
    void SaveAs();
    void ShowFile(int row);

    QByteArray diff_;
    QListWidget* files_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    std::vector<int> headerLines_;
};

}  // namespace sweepui
