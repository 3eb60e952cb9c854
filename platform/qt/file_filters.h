#pragma once
// File dialog filters written "Caption(patterns)". "*.*" means every file
// on the platform the captions come from; here it would hide every name
// without a dot, which is most programs and scripts. The dialog therefore
// matches "*" for it while each caption shows exactly as written.

#include <QFileDialog>
#include <QString>
#include <QStringList>

namespace platform {

// The filters of a ";;"-joined text, one per entry.
QStringList FileFilterList(const QString& joined);

// Sets the dialog's filters; the first is selected.
void SetFileFilters(QFileDialog& dialog, const QStringList& filters);

}  // namespace platform
