#pragma once
// The property sheets' own texts: titles, tab captions, control labels and
// refusals, exactly as users see them.

namespace sheets::texts {

inline constexpr const char* kDisplaySheet = "Display Text Properties";
inline constexpr const char* kAcceptSheet = "Entry Field Properties";
inline constexpr const char* kMenuSheet = "Menu Properties";
inline constexpr const char* kModeSheet = "Mode Properties";
inline constexpr const char* kModeConfirmSheet = "Mode Confirm Properties";
inline constexpr const char* kConfirmSheet = "Confirm Properties";
inline constexpr const char* kBoxSheet = "Box Properties";
inline constexpr const char* kScreenTitleSheet = "Screen Title Properties";

inline constexpr const char* kReset = "Reset";
inline constexpr const char* kHelp = "Help";

}  // namespace sheets::texts
