// Qt key events as the virtual-key codes that key events carry in this system
// (Enter 13, Esc 27, arrows 37..40, letters and digits their upper-case ASCII codes, ...).
#pragma once

class QKeyEvent;

namespace VirtualKey {
constexpr int Enter = 13;
}  // namespace VirtualKey

// The virtual-key code of the key, or 0 for a key that has none (a letter of a non-Latin
// layout, a media key): such keys are not reported as key-down or key-up.
int VirtualKeyCode(const QKeyEvent& event);
