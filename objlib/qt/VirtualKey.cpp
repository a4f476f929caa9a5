#include "objlib/qt/VirtualKey.h"

#include <QKeyEvent>
#include <iterator>

namespace {

struct KeyCode {
    int qt;
    int vk;
};

// Keys whose code differs between the two systems; letters, digits and F-keys follow rules.
constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},     {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},        {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
    {Qt::Key_Home, 36},       {Qt::Key_Left, 37},       {Qt::Key_Up, 38},         {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},       {Qt::Key_Print, 44},      {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},       {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},       {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},      {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},   {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},  {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},       {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    // Shifted digits of the US layout report the digit key.
    {Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49},    {Qt::Key_At, 50},         {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},     {Qt::Key_Percent, 53},   {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56},   {Qt::Key_ParenLeft, 57},
};

// The keypad keys have codes of their own.
int KeypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

// The Russian layout's letters, each on the key whose code it reports: the key that carries the
// Latin letter or sign at the same place (Й on Q, Ж on ;).
constexpr char16_t kRussianLetters[] = u"ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ";
constexpr int kRussianKeys[] = {81, 87, 69, 82, 84, 89, 85, 73, 79, 80, 219, 221, 65, 83, 68, 70, 71,
                                72, 74, 75, 76, 186, 222, 90, 88, 67, 86, 66, 78, 77, 188, 190, 192};
static_assert(std::size(kRussianKeys) + 1 == std::size(kRussianLetters));

constexpr int kNumeroSignKey = 51;  // "№" is Shift+3 on the Russian layout
// The code of a character that arrives without a key of its own (a letter of another script,
// a composed character), so that it is still reported as a key.
constexpr int kPacketKey = 231;

// The code of a printable key known only by its character.
int CharacterCode(char32_t character) {
    const QString upper = QString::fromUcs4(&character, 1).toUpper();
    for (size_t i = 0; i < std::size(kRussianKeys); ++i)
        if (upper == QChar(kRussianLetters[i])) return kRussianKeys[i];
    if (character == U'№') return kNumeroSignKey;
    return kPacketKey;
}

// The character a printable key types, or 0 for a key that types none.
char32_t TypedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    if (key > 0x20 && key < Qt::Key_Escape) return static_cast<char32_t>(key);
    const QList<uint> typed = event.text().toUcs4();
    if (typed.size() != 1 || !QChar::isPrint(typed[0])) return 0;
    return typed[0];
}

// The code of a key outside the keypad, or 0.
int CodeOfKey(int key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    for (const KeyCode& k : kKeys)
        if (k.qt == key) return k.vk;
    return 0;
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (int code = KeypadCode(key)) return code;
    }
    if (int code = CodeOfKey(key)) return code;
    const char32_t character = TypedCharacter(event);
    if (!character) return 0;
    // Qt names a key of an ASCII character by that character, upper case for letters.
    if (character < 0x80) return CodeOfKey(static_cast<int>(QChar::toUpper(character)));
    return CharacterCode(character);
}
