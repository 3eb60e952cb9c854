#pragma once
// Opening the run log and the help pages outside the front end.

#include <QString>

#include "tessellar/settings/registry_access.h"

class QWidget;

namespace sweepui {

// The viewer is the program named by the local machine's "EDIT" value
// under "Software\ORVALE\Environment" when that program exists, else the
// desktop's handler for text files. Failures are message boxes.
void OpenRunLog(QWidget* parent, const QString& logPath, const settings::RegistryAccess& registry);

// The help pages shipped with the program: beside it in "help", or where
// an installed program keeps them (../share/promptsweep_ui/help).
QString FindHelpIndex(const QString& programDirectory);
void OpenHelp(QWidget* parent, const QString& programDirectory);

}  // namespace sweepui
