#pragma once
// The texts of findings and hints, in one place. A finding's message is
// built from these pieces and the file's own words.

namespace checks::texts {

// Sections.
inline constexpr const char* kProgramHasNo = "the program has no ";
inline constexpr const char* kNamed = " named ";
inline constexpr const char* kSkipsSection = "; the runtime skips the section";
inline constexpr const char* kSectionAgain = "the section appears again at line ";
inline constexpr const char* kKeepsLater = "; the runtime keeps only the later one";
inline constexpr const char* kIsA = " is a ";  // "CUSTOMER is a screen"
inline constexpr const char* kBeforeSections = "before the first section";
inline constexpr const char* kBeforeFirstHeader =
    " comes before the first section header; the runtime never applies it";
inline constexpr const char* kMoreLine = " more line";
inline constexpr const char* kMoreLines = " more lines";
inline constexpr const char* kBeforeFirstHeaderMany =
    " come before the first section header; the runtime never applies them";

// Lines.
inline constexpr const char* kBeforeFirstKeyword =
    " comes before the section's first item keyword; the runtime ignores it";
inline constexpr const char* kNotAKey = " is not a key; the runtime ignores the line";
inline constexpr const char* kBeyondScreen =
    " is beyond the largest screen (255 rows and columns); the runtime ignores the line";
inline constexpr const char* kNotAPair = " is not a pair of numbers; the runtime ignores the line";
inline constexpr const char* kReadsAsFalse = " reads as false: only \"true\" is true";
inline constexpr const char* kWriteTrueOrFalse = "write true or false";
inline constexpr const char* kNoColour = " is no colour; the runtime ignores the line";
inline constexpr const char* kNoBackground = " is no colour; the background becomes silver";
inline constexpr const char* kNoAttributeWord = " is no attribute word; the runtime ignores it";
inline constexpr const char* kBlanksCount = "blanks count: write the words with only commas between them";
inline constexpr const char* kBlanksInWord = "blanks count: write the word without them";
inline constexpr const char* kNoTriggerPointWord = " names no trigger point; the runtime sets nothing";
inline constexpr const char* kNoTriggerTypeWord = " names no trigger type; the trigger gets none";
inline constexpr const char* kHolds = " holds ";
inline constexpr const char* kCharactersKeeps = " characters; the runtime keeps the first ";
inline constexpr const char* kLongLine =
    "the line holds more than 510 characters; the runtime reads the rest as a line of its own";
inline constexpr const char* kScaleOutside = " is outside 50 to 1000; the compiled scale stays";
inline constexpr const char* kNoCells = " gives the window no cells; it keeps its size";
inline constexpr const char* kInvalidPicture = " does not compile; the field shows no sensible value";

// Blocks.
inline constexpr const char* kScreenHasNoSuch = ": the screen has no such ";
inline constexpr const char* kSkipsBlock = "; the runtime skips the block";
inline constexpr const char* kNamesNoItem = ": the block names no item; the runtime skips it";
inline constexpr const char* kAddsDisplayInstead = "; applying adds a display of that field instead of changing one";
inline constexpr const char* kAddsConfirmInstead = "; applying adds a confirm of its own instead of changing one";
inline constexpr const char* kAddsBoxInstead = "; applying adds a box of its own instead of changing one";
inline constexpr const char* kNoSuchField = ": the program has no field of that name; the display it adds shows nothing";
inline constexpr const char* kNoSuchMessage = ": no message of the entry has this text; the runtime skips the block";
inline constexpr const char* kBothLists = ": the block gives both allowed and disallowed; the runtime applies neither";
inline constexpr const char* kNoPoint = ": the trigger has no trigger_point; the runtime sets nothing";
inline constexpr const char* kModePoint = ": trigger_point = mode sets nothing";
inline constexpr const char* kSameItemAt = ": the block at line ";
inline constexpr const char* kSameItemLines = ": the blocks at lines ";
inline constexpr const char* kGiveEveryValue = " name the same item and give every value of this one again; this block is dead";
inline constexpr const char* kGiveEveryValueOne =
    " names the same item and gives every value of this one again; this block is dead";
inline constexpr const char* kGiveAgain = " name the same item and give ";
inline constexpr const char* kGivesAgainOne = " names the same item and gives ";
inline constexpr const char* kValuesDead = " again; those values here are dead";
inline constexpr const char* kGivenAgainAt = "\" is given again at line ";
inline constexpr const char* kInThisBlock = " in the same block; this line is dead";

// Spoilt screens.
inline constexpr const char* kOverlaps = " overlaps ";
inline constexpr const char* kOnRow = " on row ";
inline constexpr const char* kAfterApplying = " after applying";
inline constexpr const char* kPastRight = " runs past the screen window's right edge: it ends at column ";
inline constexpr const char* kPastBottom = " lies below the screen window's bottom edge: it is on row ";
inline constexpr const char* kBeforeLeft = " starts left of the screen window: it starts at column ";
inline constexpr const char* kAboveTop = " lies above the screen window: it is on row ";
inline constexpr const char* kTextIs = ": its text is ";
inline constexpr const char* kCharactersWideIn = " characters wide in ";
inline constexpr const char* kCellsAnd = " cells and";
inline constexpr const char* kWindowEndsAt = ", the window ends at ";
inline constexpr const char* kWindowStartsAt = ", the window starts at ";
inline constexpr const char* kGridColumn = " makes a data grid column ";
inline constexpr const char* kColumnsWideArea = " columns wide; the grid's area has ";
inline constexpr const char* kHiddenNoDefault = " is hidden without a default value";
inline constexpr const char* kReadonlyNoDefault = " is read-only without a default value";
inline constexpr const char* kCustomiserRefuses = "the customiser refuses it: \"";

// Hints.
inline constexpr const char* kNearest = "nearest: ";
inline constexpr const char* kAtCell = " at ";
inline constexpr const char* kAnd = " and ";
inline constexpr const char* kNowNamed = "the screen now names it ";
inline constexpr const char* kNowNamedSeveral = "the screen now has it more than once: ";
inline constexpr const char* kNowAtCell = "the program now puts there ";
inline constexpr const char* kBoxNowEnds = "the box there now ends at coordinate = ";
inline constexpr const char* kNameTheItem = "name the item with tag, name, orig_text or orig_coordinate";

// What each kind of block looks for.
inline constexpr const char* kDisplayNoun = "display";
inline constexpr const char* kAcceptNoun = "entry field";
inline constexpr const char* kOptionNoun = "menu option";
inline constexpr const char* kModeNoun = "mode";
inline constexpr const char* kBoxNoun = "box";
inline constexpr const char* kConfirmNoun = "confirm";

}  // namespace checks::texts
