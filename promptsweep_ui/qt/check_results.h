#pragma once
// What the checker found in the override files a run wrote: a heading
// that says how it went, one finding a row ("FILE:LINE: SECTION: severity:
// message [hint]"), and the checker's notes on programs it could not read.

#include <QByteArray>
#include <QDialog>

class QListWidget;
class QLabel;

namespace sweepui {

class CheckResults : public QDialog {
    Q_OBJECT
public:
    // findings: the checker's standard output; notes: its error output.
    CheckResults(int exitStatus, const QByteArray& findings, const QByteArray& notes, QWidget* parent = nullptr);

    QListWidget* Findings() const { return list_; }
    QString Heading() const;

private:
    QLabel* heading_ = nullptr;
    QListWidget* list_ = nullptr;
};

}  // namespace sweepui
