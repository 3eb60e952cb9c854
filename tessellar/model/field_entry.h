#pragma once
// One field of a field list (record source, screen-local or program fields),
// offered when the user adds a field or builds a trigger.

#include <string>

#include "tessellar/model/attribute_flags.h"
#include "tessellar/model/text_capacity.h"

namespace model {

class CFieldEntry {
public:
    explicit CFieldEntry(std::string_view fieldName) : name(platform::CutText(fieldName, kFieldNameLength)) {}

    std::string name;
    int width = 0;
    std::string defaultPicture;      // up to 49 characters
    char typeLetter = 0;
    AttributeFlags attributes = 0;   // record source list only
    bool promptMark = false;         // record source list only
    bool shownByDisplay = false;     // a display of this screen already shows it
    bool listed = true;

    void SetDefaultPicture(std::string_view text) { defaultPicture = platform::CutText(text, kDefaultPictureLength); }
};

}  // namespace model
