#pragma once
// What an attributes page asks of the sheet's Default Value page before it
// lets a field be hidden or made read-only: the default text the page holds
// now. The Default Value page implements it.

#include <string>

#include "tessellar/commands/command_checks.h"

namespace sheets {

class CMyPropertySheet;

class DefaultValueSource {
public:
    virtual ~DefaultValueSource() = default;
    virtual std::string CurrentDefaultText() const = 0;
};

// The check an attributes page makes when a box is checked: the sheet's
// Default Value page (at defaultPage) asked for its text and the check
// run on it. A refusal is shown through the sheet's sink and the Default
// Value page brought to the front; false then.
using DefaultCheck = commands::Refusal (*)(std::string_view defaultText);
bool DefaultCheckPasses(CMyPropertySheet& sheet, int defaultPage, DefaultCheck check);

}  // namespace sheets
