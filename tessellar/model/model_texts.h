#pragma once
// The texts of the screen model that users and override files see, in one place.

namespace model::texts {

// Attribute words, in the order an item's attribute text lists them.
inline constexpr const char* kBold = "bold";
inline constexpr const char* kBackground = "background";
inline constexpr const char* kBlink = "blink";
inline constexpr const char* kUnderline = "underline";
inline constexpr const char* kInverse = "inverse";
inline constexpr const char* kFixed = "fixed";
inline constexpr const char* kItalic = "italic";
inline constexpr const char* kLeft = "left";
inline constexpr const char* kCenter = "center";
inline constexpr const char* kRight = "right";
inline constexpr const char* kSunken = "sunken";
inline constexpr const char* kBorder = "border";
inline constexpr const char* kPrompt = "prompt";
inline constexpr const char* kAttributeSeparator = ",";
inline constexpr const char* kAttributeComment = "//";

// Default answers of a confirm prompt.
inline constexpr const char* kAnswerYes = "yes";
inline constexpr const char* kAnswerNo = "no";

inline constexpr const char* kDefaultFontFace = "Arial";
inline constexpr const char* kScreenWindowName = "ScrWin";

}  // namespace model::texts
