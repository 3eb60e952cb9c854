#pragma once
// "&Map Network Drive..." of the File menu and the "Standard" toolbar: opens
// the desktop's own way of connecting a network folder.

#include <QString>

class QAction;
class QObject;

namespace mapping {

// The command with its text, status tip and tool tip, opening the desktop's
// dialog when triggered.
QAction* CreateMapNetworkDriveAction(QObject* parent);

// The connect-to-server program this desktop offers, or empty. On Linux:
// KDE's network folder wizard "knetattach" when installed.
QString ConnectToServerProgram();

// Starts the connect-to-server program, or else opens the file manager, whose
// "Other Locations" or "Network" place connects to servers. On Windows the
// system's map-network-drive dialog. Returns false when nothing could be opened.
bool OpenMapNetworkDrive();

}  // namespace mapping
