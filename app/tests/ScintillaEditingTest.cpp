#include "editing/TScintillaEditing.h"
#include "editor/TCodeEditor.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

struct Editor {
    Editor()
    {
        code.setText(QStringLiteral("ab\n  cd\nef"));
        code.show();
    }
    TCodeEditor code;
    TScintillaEditing editing{&code};
};

} // namespace

TEST(ScintillaEditing, BlockIndentWorksOnEveryLineOfTheSelectionAndUndoesInOneStep)
{
    Editor e;
    e.code.setTabWidth(4);
    e.code.setOption(QStringLiteral("eoTabsToSpaces"), true);
    e.code.setSelection(1, 4); // from line 1 into line 2
    e.editing.BlockIndent();
    EXPECT_EQ(e.code.text(), QStringLiteral("    ab\n      cd\nef"));
    e.editing.BlockUnindent();
    EXPECT_EQ(e.code.text(), QStringLiteral("ab\n  cd\nef"));
    e.code.undo();
    EXPECT_EQ(e.code.text(), QStringLiteral("    ab\n      cd\nef"));
    e.code.undo();
    // Without selection only the caret line moves.
    e.code.setCaret(3, 1);
    e.editing.BlockIndent();
    EXPECT_EQ(e.code.text(), QStringLiteral("ab\n  cd\n    ef"));
}

TEST(ScintillaEditing, VirtualSpacePastTheLineEndIsDroppedOrFilled)
{
    Editor e;
    e.editing.EnableVirtualSpace();
    e.editing.GotoColumn(0, 6);
    EXPECT_EQ(e.editing.VirtualSpace(), 4);
    e.editing.FillVirtualSpace();
    EXPECT_EQ(e.code.lineText(0), QStringLiteral("ab    "));
    EXPECT_EQ(e.code.caretColumn(), 7);
    e.editing.GotoColumn(2, 5);
    e.editing.DropVirtualSpace();
    EXPECT_EQ(e.editing.VirtualSpace(), 0);
    EXPECT_EQ(e.code.caretColumn(), 3);
    EXPECT_EQ(e.code.lineText(2), QStringLiteral("ef"));
}

TEST(ScintillaEditing, BookmarksSelectionModesAndTheErrorLine)
{
    Editor e;
    e.code.setCaret(2, 4);
    e.editing.SetBookmark(3);
    EXPECT_EQ(e.editing.BookmarkLine(3), 1);
    EXPECT_EQ(e.editing.BookmarkLine(4), -1);
    e.code.setCaret(3, 1);
    EXPECT_TRUE(e.editing.GotoBookmark(3));
    EXPECT_EQ(e.code.caretLine(), 2);
    EXPECT_EQ(e.code.caretColumn(), 4);
    // Set again on its own line it goes away.
    e.editing.SetBookmark(3);
    EXPECT_FALSE(e.editing.GotoBookmark(3));

    e.editing.SetSelectionMode(TScintillaEditing::smColumn);
    EXPECT_EQ(e.editing.SelectionMode(), TScintillaEditing::smColumn);
    e.editing.SetSelectionMode(TScintillaEditing::smNormal);
    EXPECT_EQ(e.editing.SelectionMode(), TScintillaEditing::smNormal);

    e.editing.MarkErrorLine(2);
    EXPECT_EQ(e.editing.ErrorLine(), 2);
    e.editing.ClearErrorLine();
    EXPECT_EQ(e.editing.ErrorLine(), -1);
    e.editing.MarkErrorLine(7);
    EXPECT_EQ(e.editing.ErrorLine(), -1);
}
