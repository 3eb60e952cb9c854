#pragma once
// The question before a save would write over changes another program made
// to the override file since it was opened: "NAME was changed by another
// program since you opened it." with Save As…, Overwrite and Cancel, so
// that neither side's changes go unasked; and the question when another
// customiser holds the file's lock.

#include <QString>

#include <string>

class QWidget;

namespace shell {

enum class ChangedFileAnswer { SaveAs, Overwrite, Cancel };

ChangedFileAnswer AskAboutChangedFile(QWidget* parent, const QString& fileName);

// The window made active again finds the file changed on disk: Reload
// (discarding the changes made since opening, which the question says when
// there are any) or Keep; true for Reload.
bool AskToReload(QWidget* parent, const QString& fileName, bool hasChanges);

// A killed customiser's unsaved changes to the file being opened (the
// core's text): Recover or Discard; true for Recover.
bool AskToRecover(QWidget* parent, const std::string& found);

// Another customiser has the file open for editing (the core's question):
// Open Anyway or Open Read-Only; true for the first.
bool AskToOpenAnyway(QWidget* parent, const std::string& question);

}  // namespace shell
