#include "commands/TShortcutCode.h"

#include <array>

namespace {

struct TKeyPair
{
    quint8 vk;
    Qt::Key key;
};

// Keys that type the same on every layout.
constexpr std::array<TKeyPair, 16> CommonKeys{{
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},     {0x0D, Qt::Key_Return}, {0x13, Qt::Key_Pause},
    {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},   {0x21, Qt::Key_PageUp}, {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},    {0x25, Qt::Key_Left},   {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},    {0x2D, Qt::Key_Insert}, {0x2E, Qt::Key_Delete},
}};

constexpr std::array<TKeyPair, 3> SharedPunctuation{{
    {0xBD, Qt::Key_Minus}, {0xBE, Qt::Key_Period}, {0xBC, Qt::Key_Comma},
}};

constexpr std::array<TKeyPair, 9> GermanPunctuation{{
    {0xBA, Qt::Key_Udiaeresis}, {0xBB, Qt::Key_Plus}, {0xBF, Qt::Key_NumberSign},
    {0xC0, Qt::Key_Odiaeresis}, {0xDB, Qt::Key_ssharp}, {0xDC, Qt::Key_AsciiCircum},
    {0xDD, Qt::Key_acute}, {0xDE, Qt::Key_Adiaeresis}, {0xE2, Qt::Key_Less},
}};

constexpr std::array<TKeyPair, 8> USPunctuation{{
    {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal}, {0xBF, Qt::Key_Slash},
    {0xC0, Qt::Key_QuoteLeft}, {0xDB, Qt::Key_BracketLeft}, {0xDC, Qt::Key_Backslash},
    {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
}};

// Numeric pad: 0x60-0x69 digits, then * + separator - , /
constexpr std::array<TKeyPair, 5> KeypadOperators{{
    {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus}, {0x6D, Qt::Key_Minus},
    {0x6E, Qt::Key_Period}, {0x6F, Qt::Key_Slash},
}};

template <typename Table>
Qt::Key findKey(const Table &table, quint8 vk)
{
    for (const TKeyPair &pair : table)
        if (pair.vk == vk)
            return pair.key;
    return Qt::Key_unknown;
}

template <typename Table>
quint8 findVk(const Table &table, Qt::Key key)
{
    for (const TKeyPair &pair : table)
        if (pair.key == key)
            return pair.vk;
    return 0;
}

bool isKeypadCode(quint8 vk)
{
    return vk >= 0x60 && vk <= 0x6F && vk != 0x6C;
}

} // namespace

Qt::Key TShortcutCode::QtKey(quint8 vk, TKeyboardLayout layout)
{
    if ((vk >= 0x30 && vk <= 0x39) || (vk >= 0x41 && vk <= 0x5A))
        return Qt::Key(vk); // Qt's codes for digits and letters are their ASCII codes
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key(Qt::Key_F1 + (vk - 0x70));
    if (vk >= 0x60 && vk <= 0x69)
        return Qt::Key(Qt::Key_0 + (vk - 0x60));
    if (Qt::Key key = findKey(KeypadOperators, vk); key != Qt::Key_unknown)
        return key;
    if (Qt::Key key = findKey(CommonKeys, vk); key != Qt::Key_unknown)
        return key;
    if (Qt::Key key = findKey(SharedPunctuation, vk); key != Qt::Key_unknown)
        return key;
    return layout == TKeyboardLayout::klGerman ? findKey(GermanPunctuation, vk) : findKey(USPunctuation, vk);
}

quint8 TShortcutCode::VirtualKey(Qt::Key key, TKeyboardLayout layout, bool keypad)
{
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return quint8(0x60 + (key - Qt::Key_0));
        if (quint8 vk = findVk(KeypadOperators, key))
            return vk;
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return quint8(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint8(0x70 + (key - Qt::Key_F1));
    if (key == Qt::Key_Enter)
        return 0x0D;
    if (key == Qt::Key_Backtab)
        return 0x09;
    if (quint8 vk = findVk(CommonKeys, key))
        return vk;
    if (quint8 vk = findVk(SharedPunctuation, key))
        return vk;
    if (layout == TKeyboardLayout::klGerman) {
        // "^" and "´" are dead keys there; X11 may report them as such.
        if (key == Qt::Key_Dead_Circumflex)
            return 0xDC;
        if (key == Qt::Key_Dead_Acute)
            return 0xDD;
        return findVk(GermanPunctuation, key);
    }
    return findVk(USPunctuation, key);
}

QKeySequence TShortcutCode::ToKeySequence(quint16 code, TKeyboardLayout layout)
{
    const quint8 vk = quint8(code & KeyMask);
    const Qt::Key key = QtKey(vk, layout);
    if (vk == 0 || key == Qt::Key_unknown || (code & 0x1F00) != 0)
        return {};
    Qt::KeyboardModifiers modifiers;
    if (code & Shift)
        modifiers |= Qt::ShiftModifier;
    if (code & Ctrl)
        modifiers |= Qt::ControlModifier;
    if (code & Alt)
        modifiers |= Qt::AltModifier;
    if (isKeypadCode(vk))
        modifiers |= Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(modifiers, key));
}

quint16 TShortcutCode::FromKeySequence(const QKeySequence &sequence, TKeyboardLayout layout)
{
    if (sequence.count() != 1)
        return 0;
    const QKeyCombination chord = sequence[0];
    const Qt::KeyboardModifiers modifiers = chord.keyboardModifiers();
    if (modifiers & Qt::MetaModifier)
        return 0;
    const quint8 vk = VirtualKey(chord.key(), layout, modifiers.testFlag(Qt::KeypadModifier));
    if (vk == 0)
        return 0;
    quint16 code = vk;
    if (modifiers & Qt::ShiftModifier)
        code |= Shift;
    if (modifiers & Qt::ControlModifier)
        code |= Ctrl;
    if (modifiers & Qt::AltModifier)
        code |= Alt;
    return code;
}
