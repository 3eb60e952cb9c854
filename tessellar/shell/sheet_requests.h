#pragma once
// The dialogs the canvas opens, as the main window provides them: the
// property sheets of each item kind, the field list of the add-field
// commands, the program modes "Add Mod&e" offers, and the default a hidden
// entry field takes. Each runs its commands through the window's document.

namespace shell {

class CMainFrame;

void ConnectSheetRequests(CMainFrame& frame);

}  // namespace shell
