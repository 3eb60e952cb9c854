#pragma once
// The question before unsaved changes would go (closing, quitting, opening
// another program): "Save the changes to FILE?" with Save, Discard and
// Cancel, so that no answer throws work away unasked.

#include <QString>

class QWidget;

namespace shell {

enum class SaveChangesAnswer { Save, Discard, Cancel };

SaveChangesAnswer AskToSaveChanges(QWidget* parent, const QString& fileName);

}  // namespace shell
