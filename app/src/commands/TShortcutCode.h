#pragma once

#include <QKeySequence>
#include <QString>

// The keyboard layout a stored shortcut code is read with. The punctuation
// keys carry positional codes (the key right of "Ä" is 0xBF); which character
// that key types depends on the layout.
enum class TKeyboardLayout { klGerman, klUS };

// The one converter between stored shortcut codes (virtual key + 0x2000 Shift,
// 0x4000 Ctrl, 0x8000 Alt) and QKeySequence.
//
// Virtual keys understood (both layouts): letters 0x41-0x5A, digits 0x30-0x39,
// F1-F24 0x70-0x87, Backspace 0x08, Tab 0x09, Return 0x0D, Pause 0x13,
// Escape 0x1B, Space 0x20, Page up/down 0x21/0x22, End 0x23, Home 0x24,
// arrows 0x25-0x28, Insert 0x2D, Delete 0x2E, the numeric pad 0x60-0x6F.
// Punctuation keys by position:
//   code   German  US
//   0xBA   Ü       ;
//   0xBB   +       =
//   0xBC   ,       ,
//   0xBD   -       -
//   0xBE   .       .
//   0xBF   #       /
//   0xC0   Ö       `
//   0xDB   ß       [
//   0xDC   ^       backslash
//   0xDD   ´       ]
//   0xDE   Ä       '
//   0xE2   <       (none)
// A code with an unknown virtual key, and a key sequence with more than one
// chord or a key the layout has no code for, convert to "nothing" (an empty
// sequence, respectively 0).
class TShortcutCode
{
public:
    static constexpr quint16 Shift = 0x2000;
    static constexpr quint16 Ctrl = 0x4000;
    static constexpr quint16 Alt = 0x8000;
    static constexpr quint16 KeyMask = 0x00FF;

    static QKeySequence ToKeySequence(quint16 code, TKeyboardLayout layout = TKeyboardLayout::klGerman);
    static quint16 FromKeySequence(const QKeySequence &sequence,
                                   TKeyboardLayout layout = TKeyboardLayout::klGerman);

    // Qt key of a virtual key under a layout; Qt::Key_unknown when none.
    static Qt::Key QtKey(quint8 virtualKey, TKeyboardLayout layout);
    // Virtual key of a Qt key under a layout; 0 when none.
    static quint8 VirtualKey(Qt::Key key, TKeyboardLayout layout, bool keypad = false);
};
