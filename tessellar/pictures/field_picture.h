#pragma once
// The picture a field is shown with: its own picture, or one built from its
// type letter and size word, in the compact form ("S9(5)V9(2)") or the
// expanded one ("S99999.99").

#include <string>
#include <string_view>

#include "tessellar/pictures/repeat_count.h"
#include "tessellar/pictures/size_word.h"

namespace pictures {

enum class PictureForm { Compact, Expanded };

// The picture for a field of this type letter and size word. The field's own
// picture (may be empty) is lower-cased first; dates, times and the "B" and
// "X" types keep it as it is, other types use it only in the expanded form.
std::string PictureForField(char typeLetter, SizeWord size, std::string_view ownPicture,
                            PictureForm form);

// The default picture text of a type: the compact picture of a field with
// no picture of its own ("x(20)", "S9(5)V9(2)", "DD-MMM-YYYY"); empty for a
// text of length 0.
std::string DefaultPictureText(SizeWord size, char typeLetter);

// The picture with every "c(n)" group written out as n copies of c, and its
// decimal marker ("." or "v") written as ".": 9(3)v9(2) gives 999.99.
// A picture without "(" comes back unchanged; a group that is not a proper
// count is kept as it stands.
std::string ExpandRepeatCounts(std::string_view picture);

// Pictures are read without regard to the case of A-Z (other bytes, such as
// the pound signs, are kept as they are).
std::string LowerCasedPicture(std::string_view picture);

// An expansion stops writing out groups once it reaches this length.
inline constexpr std::size_t kMaxExpandedLength = 65536;

}  // namespace pictures
