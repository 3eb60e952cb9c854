#include "promptsweep_ui/tip_switches.h"

#include "promptsweep_ui/start_up.h"
#include "promptsweep_ui/ui_texts.h"

namespace sweepui {

namespace {

const char* ValueName(Tip tip) { return tip == Tip::StartTip ? texts::kStartTipValue : texts::kLongerTipValue; }

}  // namespace

TipSwitches::TipSwitches(settings::RegistryAccess& registry) : registry_(registry) {
    const auto root = settings::RegistryRoot::CurrentUser;
    startTip_ = TipIsOn(registry_.ReadString(root, texts::kTipsKey, ValueName(Tip::StartTip)));
    longerTip_ = TipIsOn(registry_.ReadString(root, texts::kTipsKey, ValueName(Tip::LongerTip)));
}

void TipSwitches::SwitchOff(Tip tip) {
    (tip == Tip::StartTip ? startTip_ : longerTip_) = false;
    registry_.WriteString(settings::RegistryRoot::CurrentUser, texts::kTipsKey, ValueName(tip), texts::kTipOff);
}

}  // namespace sweepui
