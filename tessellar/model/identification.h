#pragma once
// How an override statement finds an item again in a later session, and
// where an item's text came from in the compiled program.

namespace model {

enum class IdentificationKind : int {
    None = 0,                // an option without text
    Name = 1,                // variable name, or a mode's identifier
    OriginalText = 2,        // text-number texts and messages
    Tag = 3,                 // the tag number the program gives
    OriginalCoordinate = 4,  // name or text not unique, empty, or computed
    AddedPrompt = 5,         // a prompt the user added: its text and coordinate
    AddedDisplay = 6,        // a display the user added: its tag, else its coordinate
};

// The source of an operand's text; the codes are those decoding reports.
enum class TextSource : int {
    None = 0,
    Variable = 1,
    TextNumber = 2,
    Expression = 4,
};

}  // namespace model
