#pragma once
// The three looks of the window: 0 the default (the classic grey desktop
// look), 1 Office XP (light, flat, blue selection), 2 Office 2003 (blue bars
// with gradients). A look is a style, a palette and a small style sheet for
// the bars, set on the whole application so every open window takes it.

namespace shell {

inline constexpr int kSkinCount = 3;

// Toolbar icons come from the desktop's icon theme; where the platform
// names none (a bare X server), the freedesktop fallback theme is used.
void EnsureIconTheme();

// Applies the look; a number out of range is taken as the default look.
void ApplySkin(int skin);

}  // namespace shell
