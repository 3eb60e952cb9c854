#pragma once
// The client of the undo and redo drop-downs: the recorded labels, newest
// first, over a status line. Hovering item k selects items 0 to k and says
// how many steps that is ("Undo %d Actions"); a release on item k chooses
// k + 1 steps, a release anywhere else chooses nothing.

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace shell {

// An undo or redo label on one row: its identifier lines set apart by "; ".
QString StepLabelText(const std::string& label);

class StepListBar : public QWidget {
    Q_OBJECT
public:
    // statusFormat: "Undo %d Actions" or "Redo %d Actions".
    StepListBar(const char* statusFormat, const QString& listName, QWidget* parent = nullptr);

    void SetLabels(const std::vector<std::string>& labels);
    QListWidget* List() const { return list_; }
    QLabel* Status() const { return status_; }
    // The number of steps the selection stands for.
    int Steps() const { return steps_; }

signals:
    void chosen(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectUpTo(int row);

    const char* statusFormat_;
    QListWidget* list_;
    QLabel* status_;
    int steps_ = 0;
};

}  // namespace shell
