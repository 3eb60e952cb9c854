#pragma once
// The two tips the front end shows until the user asks it not to, kept as
// "Tip1" (the new text is longer) and "Tip2" (before you begin) under the
// current user's "SOFTWARE\ORVALE\PROMPTSWEEP\Settings".

#include "tessellar/settings/registry_access.h"

namespace sweepui {

enum class Tip { StartTip, LongerTip };

class TipSwitches {
public:
    // Both tips are on unless the registry says "0"; read errors keep them on.
    explicit TipSwitches(settings::RegistryAccess& registry);

    bool IsOn(Tip tip) const { return tip == Tip::StartTip ? startTip_ : longerTip_; }
    // "Dont Show me this Tip again": off for this session and from now on.
    void SwitchOff(Tip tip);

private:
    settings::RegistryAccess& registry_;
    bool startTip_ = true;
    bool longerTip_ = true;
};

}  // namespace sweepui
