#include "commands/TShortcutCode.h"

#include <gtest/gtest.h>

namespace {

using C = TShortcutCode;

QKeySequence seq(Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    return QKeySequence(QKeyCombination(modifiers, key));
}

TEST(ShortcutCode, ModifierBitsAndLetters)
{
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | 'N'), seq(Qt::ControlModifier, Qt::Key_N));
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | C::Shift | 'D'), seq(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_D));
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | C::Alt | 'Z'), seq(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Z));
    EXPECT_EQ(C::ToKeySequence(C::Alt | 0x72), seq(Qt::AltModifier, Qt::Key_F3));
    EXPECT_EQ(C::ToKeySequence(C::Shift | 0x7B), seq(Qt::ShiftModifier, Qt::Key_F12));
    EXPECT_EQ(C::ToKeySequence(0x2E), seq(Qt::NoModifier, Qt::Key_Delete));
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | C::Shift | 0x26), seq(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Up));

    EXPECT_EQ(C::FromKeySequence(QKeySequence(QStringLiteral("Ctrl+Shift+G"))), C::Ctrl | C::Shift | 'G');
    EXPECT_EQ(C::FromKeySequence(QKeySequence(QStringLiteral("F9"))), 0x78);
    EXPECT_EQ(C::FromKeySequence(QKeySequence(QStringLiteral("Alt+F2"))), C::Alt | 0x71);
}

TEST(ShortcutCode, PunctuationKeysFollowTheLayout)
{
    // The key right of "Ä": "#" on a German keyboard, "/" on a US one.
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | 0xBF, TKeyboardLayout::klGerman), seq(Qt::ControlModifier, Qt::Key_NumberSign));
    EXPECT_EQ(C::ToKeySequence(C::Ctrl | 0xBF, TKeyboardLayout::klUS), seq(Qt::ControlModifier, Qt::Key_Slash));
    EXPECT_EQ(C::FromKeySequence(seq(Qt::ControlModifier, Qt::Key_NumberSign), TKeyboardLayout::klGerman),
              C::Ctrl | 0xBF);
    EXPECT_EQ(C::FromKeySequence(seq(Qt::ControlModifier, Qt::Key_Slash), TKeyboardLayout::klUS), C::Ctrl | 0xBF);
    // Comma and period are the same on both.
    for (TKeyboardLayout layout : {TKeyboardLayout::klGerman, TKeyboardLayout::klUS}) {
        EXPECT_EQ(C::ToKeySequence(C::Alt | 0xBC, layout), seq(Qt::AltModifier, Qt::Key_Comma));
        EXPECT_EQ(C::ToKeySequence(C::Alt | 0xBE, layout), seq(Qt::AltModifier, Qt::Key_Period));
    }
    EXPECT_EQ(C::ToKeySequence(0xDE, TKeyboardLayout::klGerman), seq(Qt::NoModifier, Qt::Key_Adiaeresis));
    EXPECT_EQ(C::ToKeySequence(0xDE, TKeyboardLayout::klUS), seq(Qt::NoModifier, Qt::Key_Apostrophe));
    EXPECT_TRUE(C::ToKeySequence(0xE2, TKeyboardLayout::klUS).isEmpty()); // no such key there
}

TEST(ShortcutCode, EveryKnownCodeSurvivesTheRoundTrip)
{
    const quint16 modifierSets[] = {0, C::Shift, C::Ctrl, C::Alt, C::Ctrl | C::Shift, C::Ctrl | C::Alt,
                                    C::Ctrl | C::Shift | C::Alt};
    for (TKeyboardLayout layout : {TKeyboardLayout::klGerman, TKeyboardLayout::klUS}) {
        int known = 0;
        for (int vk = 1; vk <= 0xFF; ++vk) {
            if (C::QtKey(quint8(vk), layout) == Qt::Key_unknown)
                continue;
            ++known;
            for (quint16 modifiers : modifierSets) {
                const quint16 code = quint16(modifiers | vk);
                const QKeySequence sequence = C::ToKeySequence(code, layout);
                ASSERT_FALSE(sequence.isEmpty()) << std::hex << code;
                EXPECT_EQ(C::FromKeySequence(sequence, layout), code) << std::hex << code;
                // The text form (as shown in menus and written by Qt) reads back to the same key.
                EXPECT_EQ(C::FromKeySequence(QKeySequence(sequence.toString(QKeySequence::PortableText),
                                                          QKeySequence::PortableText), layout),
                          code)
                    << std::hex << code << " " << sequence.toString().toStdString();
            }
        }
        EXPECT_GT(known, 100);
    }
}

TEST(ShortcutCode, WhatCannotBeStoredGivesNothing)
{
    EXPECT_TRUE(C::ToKeySequence(0).isEmpty());
    EXPECT_TRUE(C::ToKeySequence(C::Ctrl).isEmpty());       // modifier without key
    EXPECT_TRUE(C::ToKeySequence(0x07).isEmpty());          // unknown virtual key
    EXPECT_TRUE(C::ToKeySequence(0x0100 | 'A').isEmpty());  // unused bits set
    EXPECT_EQ(C::FromKeySequence(QKeySequence(QStringLiteral("Ctrl+K, Ctrl+D"))), 0);
    EXPECT_EQ(C::FromKeySequence(QKeySequence(QStringLiteral("Meta+A"))), 0);
    EXPECT_EQ(C::FromKeySequence(QKeySequence()), 0);
    EXPECT_EQ(C::FromKeySequence(seq(Qt::ControlModifier, Qt::Key_NumberSign), TKeyboardLayout::klUS), 0);
}

TEST(ShortcutCode, NumericPadKeepsItsOwnCodes)
{
    EXPECT_EQ(C::ToKeySequence(0x61), seq(Qt::KeypadModifier, Qt::Key_1));
    EXPECT_EQ(C::FromKeySequence(seq(Qt::KeypadModifier, Qt::Key_1)), 0x61);
    EXPECT_EQ(C::FromKeySequence(seq(Qt::NoModifier, Qt::Key_1)), 0x31);
    EXPECT_EQ(C::FromKeySequence(seq(Qt::KeypadModifier | Qt::ControlModifier, Qt::Key_Plus)), C::Ctrl | 0x6B);
}

} // namespace
