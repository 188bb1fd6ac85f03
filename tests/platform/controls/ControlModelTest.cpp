// The arithmetic behind our own edit and scroll bar controls, without windows.
#include <gtest/gtest.h>

#include "platform/controls/EditText.h"
#include "platform/controls/ScrollGeometry.h"

using platform::controls::EditText;
using platform::controls::LayOut;
using platform::controls::PositionForThumb;
using platform::controls::ScrollPart;
using platform::controls::ScrollRange;

TEST(EditTextModel, LimitKeepsWhatFitsAndReplacesTheSelection)
{
    EditText text;
    text.SetLimit(5);
    bool truncated = false;
    EXPECT_TRUE(text.ReplaceSelection(L"1234567", true, false, &truncated));
    EXPECT_TRUE(truncated);
    EXPECT_EQ(text.Text(), L"12345");
    text.Select(1, 3);
    EXPECT_TRUE(text.ReplaceSelection(L"abcdef", true, false, &truncated));
    EXPECT_EQ(text.Text(), L"1ab45");
    EXPECT_EQ(text.Caret(), 3u);
    // Full, with nothing selected: nothing changes.
    EXPECT_FALSE(text.ReplaceSelection(L"x", true, true, &truncated));
    EXPECT_TRUE(truncated);
    // Unlimited replacement ignores the limit.
    EXPECT_TRUE(text.ReplaceSelection(L"xyz", false, false));
    EXPECT_EQ(text.Length(), 8u);
}

TEST(EditTextModel, TypingIsOneUndoStepAndUndoTwiceRedoes)
{
    EditText text;
    text.SetText(L"7");
    EXPECT_FALSE(text.CanUndo());
    text.MoveCaret(1, false);
    for (wchar_t c : std::wstring(L"50")) text.ReplaceSelection(std::wstring(1, c), true, true);
    EXPECT_EQ(text.Text(), L"750");
    EXPECT_TRUE(text.Undo());
    EXPECT_EQ(text.Text(), L"7");
    EXPECT_TRUE(text.Undo());
    EXPECT_EQ(text.Text(), L"750");
    // A caret move ends the step: the next character is undone alone.
    text.MoveCaret(0, false);
    text.ReplaceSelection(L"1", true, true);
    EXPECT_TRUE(text.Undo());
    EXPECT_EQ(text.Text(), L"750");
}

TEST(EditTextModel, WordsAndDeletionAtTheEdges)
{
    EditText text;
    text.SetText(L"ab  cd");
    text.SelectWordAt(1);
    EXPECT_EQ(text.SelectionStart(), 0u);
    EXPECT_EQ(text.SelectionEnd(), 2u);
    text.SelectWordAt(3);
    EXPECT_EQ(text.SelectionStart(), 2u);
    EXPECT_EQ(text.SelectionEnd(), 4u);
    EXPECT_EQ(text.WordRight(0), 4u);
    EXPECT_EQ(text.WordLeft(6), 4u);
    text.MoveCaret(0, false);
    EXPECT_FALSE(text.DeleteBackward());
    text.MoveCaret(100, false);
    EXPECT_EQ(text.Caret(), 6u);
    EXPECT_FALSE(text.DeleteForward());
    EditText empty;
    empty.SelectWordAt(0);
    EXPECT_FALSE(empty.HasSelection());
}

TEST(ScrollGeometryModel, RangeRulesAsWindowsRepairsThem)
{
    ScrollRange range;
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 99, 10, 1000, 0};
    ASSERT_TRUE(range.Apply(info));
    EXPECT_EQ(range.LastPosition(), 90);
    EXPECT_EQ(range.pos, 90);
    info = SCROLLINFO{sizeof info, SIF_RANGE, 5, 2, 0, 0, 0};  // inverted
    ASSERT_TRUE(range.Apply(info));
    EXPECT_EQ(range.min, 0);
    EXPECT_EQ(range.max, 0);
    EXPECT_EQ(range.page, 1);
    EXPECT_EQ(range.pos, 0);
    info = SCROLLINFO{sizeof info, SIF_RANGE | SIF_PAGE, -2147483647 - 1, 2147483647, 0xFFFFFFFFu, 0, 0};
    ASSERT_TRUE(range.Apply(info));  // too wide: collapses, and a huge page is no page
    EXPECT_EQ(range.max, 0);
    EXPECT_EQ(range.page, 0);
    info.cbSize = 3;
    EXPECT_FALSE(range.Apply(info));
}

TEST(ScrollGeometryModel, ThumbFollowsThePositionBothWays)
{
    ScrollRange range;
    range.max = 99;
    range.page = 10;
    for (int pos : {0, 1, 45, 89, 90}) {
        range.pos = pos;
        auto layout = LayOut(range, 200, true);
        EXPECT_EQ(layout.thumbSize, 16);
        EXPECT_EQ(PositionForThumb(range, 200, layout.thumbPos), pos) << pos;
    }
    auto layout = LayOut(range, 200, true);
    EXPECT_EQ(layout.PartAt(0), ScrollPart::LineUp);
    EXPECT_EQ(layout.PartAt(199), ScrollPart::LineDown);
    EXPECT_EQ(layout.PartAt(layout.thumbPos), ScrollPart::Thumb);
    EXPECT_EQ(layout.PartAt(layout.thumbPos - 1), ScrollPart::PageUp);
    EXPECT_EQ(layout.PartAt(200), ScrollPart::None);
    // Disabled or too short: no thumb, and the arrows share the length.
    EXPECT_EQ(LayOut(range, 200, false).thumbSize, 0);
    auto tiny = LayOut(range, 20, true);
    EXPECT_EQ(tiny.arrow, 8);
    EXPECT_EQ(tiny.thumbSize, 0);
}
