#pragma once
// The property sheets' own texts: titles, tab captions, control labels and
// refusals, exactly as users see them, and the help context of each page.

namespace sheets::texts {

inline constexpr const char* kDisplaySheet = "Display Text Properties";
inline constexpr const char* kAcceptSheet = "Entry Field Properties";
inline constexpr const char* kMenuSheet = "Menu Properties";
inline constexpr const char* kModeSheet = "Mode Properties";
inline constexpr const char* kModeConfirmSheet = "Mode Confirm Properties";
inline constexpr const char* kConfirmSheet = "Confirm Properties";
inline constexpr const char* kBoxSheet = "Box Properties";
inline constexpr const char* kScreenTitleSheet = "Screen Title Properties";

// The sheet's buttons (Reset is the relabelled Apply).
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kReset = "Reset";
inline constexpr const char* kHelp = "Help";

// Tab captions.
inline constexpr const char* kTextTab = "Text";
inline constexpr const char* kFieldTitleTab = "Field Title";
inline constexpr const char* kScreenTitleTab = "Screen Title";
inline constexpr const char* kFormatTab = "Format";
inline constexpr const char* kColorTab = "Color";
inline constexpr const char* kScaleTab = "Scale";
inline constexpr const char* kStylesTab = "Styles";
inline constexpr const char* kColumnOrderTab = "Column Order";
inline constexpr const char* kAttributesTab = "Attributes";
inline constexpr const char* kToolTipTab = "Tool Tip";
inline constexpr const char* kConfirmDefaultTab = "Select Confirm Default";

// Page controls.
inline constexpr const char* kOriginalText = "Original Text:";
inline constexpr const char* kNewText = "New Text:";
inline constexpr const char* kOriginalFormat = "Original Format:";
inline constexpr const char* kFormat = "Format:";
inline constexpr const char* kFormatHelp = "Format Help";
inline constexpr const char* kForegroundColor = "Foreground Color:";
inline constexpr const char* kBackgroundColor = "Background Color:";
inline constexpr const char* kScaleFactor = "Scale factor:";
inline constexpr const char* kColumnOrderNumber = "Column Order Number:";
inline constexpr const char* kToolTip = "Tool Tip:";
inline constexpr const char* kSuppress = "Suppress";
inline constexpr const char* kReadOnly = "Read Only";
inline constexpr const char* kModeReadOnly = "ReadOnly";
inline constexpr const char* kScreenDefaultMode = "Screen Default Mode";
inline constexpr const char* kConfirmDefaultGroup = "Confirm Default";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

// The style check boxes, in the order the page shows them.
inline constexpr const char* kBold = "Bold";
inline constexpr const char* kBackground = "Background";
inline constexpr const char* kBlink = "Blink";
inline constexpr const char* kUnderline = "Underline";
inline constexpr const char* kInverse = "Inverse";
inline constexpr const char* kFixedWidth = "Fixed width";
inline constexpr const char* kItalic = "Italic";
inline constexpr const char* kSunken = "Sunken";
inline constexpr const char* kBorder = "Border";
inline constexpr const char* kCenter = "Center";
inline constexpr const char* kLeftJustify = "Left justify";
inline constexpr const char* kRightJustify = "Right justify";
inline constexpr const char* kPrompt = "Prompt";

// The mode list.
inline constexpr const char* kModeListTitle = "List of Defined Modes";

// Refusals of OK.
inline constexpr const char* kInvalidScale = "Invalid scale fact, scale range is from 50 to 1000";

// The confirm default answers as statements write them.
inline constexpr const char* kAnswerYes = "yes";
inline constexpr const char* kAnswerNo = "no";

// The width a display's text keeps when its new text changes length: "x(N)".
inline constexpr const char* kPinnedWidthPicture = "x(%s)";

// Help contexts of the pages (and of the "Format Help" button).
inline constexpr int kColumnHelp = 61;
inline constexpr int kTextHelp = 62;
inline constexpr int kDefaultHelp = 63;
inline constexpr int kAllowHelp = 64;
inline constexpr int kFormatHelpContext = 65;
inline constexpr int kColourHelp = 66;
inline constexpr int kScaleHelp = 67;
inline constexpr int kStylesHelp = 68;
inline constexpr int kAttributesHelp = 69;
inline constexpr int kFieldTitleHelp = 70;
inline constexpr int kToolTipHelp = 71;
inline constexpr int kFilterHelp = 73;
inline constexpr int kModeListHelp = 50;

}  // namespace sheets::texts
