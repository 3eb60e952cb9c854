#pragma once
// What applying one statement found and did, for callers that report on an
// override file rather than only apply it (scfcheck, the Problems panel):
// the item it reached, whether it created or removed one, and the values
// that applying itself refused. Applying fills it only when asked; the
// messages it shows and what it changes are the same either way.

namespace model {
class CAcceptFld;
class CBoxItem;
class CConfirmItem;
class CDispText;
class CModeItem;
class COptionItem;
}  // namespace model

namespace overrides {

// Values applying refuses; a statement may carry several.
namespace refused {
inline constexpr unsigned kScale = 0x1;                 // outside 50 to 1000: the compiled scale stays
inline constexpr unsigned kWindowSize = 0x2;            // no cells (or no frame): the frame stays
inline constexpr unsigned kAllowedAndDisallowed = 0x4;  // both given: neither applies
inline constexpr unsigned kNoTriggerPoint = 0x8;        // no point, or the mode point: nothing is set
}  // namespace refused

struct StatementOutcome {
    // The item the statement changed or created; at most one is set. A mode
    // statement names the screen's mode (else the program-wide one); a
    // removed item is named once more but must not be touched.
    model::CDispText* display = nullptr;
    model::CAcceptFld* accept = nullptr;
    model::COptionItem* option = nullptr;
    model::CModeItem* mode = nullptr;
    model::CConfirmItem* confirm = nullptr;
    model::CBoxItem* box = nullptr;
    int messages = 0;     // message statements: how many messages took the text
    bool screen = false;  // the window, or a screen trigger
    bool created = false;
    bool removed = false;
    unsigned refused = 0;  // refused:: bits

    // Whether the statement reached anything at all.
    bool Reached() const {
        return display != nullptr || accept != nullptr || option != nullptr || mode != nullptr ||
               confirm != nullptr || box != nullptr || messages > 0 || screen;
    }
    // The reached item as an identity (null for none, the screen or messages).
    const void* Item() const {
        if (display != nullptr) return display;
        if (accept != nullptr) return accept;
        if (option != nullptr) return option;
        if (mode != nullptr) return mode;
        if (confirm != nullptr) return confirm;
        return box;
    }
};

}  // namespace overrides
