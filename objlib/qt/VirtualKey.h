// Qt key events as the virtual-key codes that key events carry in this system
// (Enter 13, Esc 27, arrows 37..40, letters and digits their upper-case ASCII codes, ...).
#pragma once

class QKeyEvent;

namespace VirtualKey {
constexpr int Enter = 13;
}  // namespace VirtualKey

// The virtual-key code of the key, or 0 for a key that has none (a media key): such keys are
// not reported as key-down or key-up. Every key that types a character has a code: a letter of
// the Russian layout reports the key it lies on, any other character the code 231 of
// characters that come without a key.
int VirtualKeyCode(const QKeyEvent& event);
