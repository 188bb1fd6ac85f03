#include "platform/controls/EditText.h"

#include <algorithm>

namespace platform::controls {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

void EditText::SetText(std::wstring value)
{
    text = std::move(value);
    ++revision;
    anchor = caret = 0;
    hasUndo = false;
    typingStep = false;
    undoText.clear();
}

void EditText::Remember()
{
    undoText = text;
    undoCaret = caret;
    hasUndo = true;
}

bool EditText::ReplaceSelection(const std::wstring& insert, bool limited, bool typing, bool* truncated)
{
    size_t start = SelectionStart(), end = SelectionEnd();
    size_t keep = text.size() - (end - start);
    size_t room = insert.size();
    if (limited) room = keep >= limit ? 0 : std::min(room, limit - keep);
    if (truncated) *truncated = room < insert.size();
    if (room == 0 && start == end) return false;
    if (!(typing && typingStep)) Remember();
    typingStep = typing;
    text.replace(start, end - start, insert, 0, room);
    ++revision;
    anchor = caret = start + room;
    return true;
}

bool EditText::DeleteBackward()
{
    if (!HasSelection()) {
        if (caret == 0) return false;
        anchor = caret - 1;
    }
    return ReplaceSelection(std::wstring(), false, false);
}

bool EditText::DeleteForward()
{
    if (!HasSelection()) {
        if (caret >= text.size()) return false;
        anchor = caret + 1;
    }
    return ReplaceSelection(std::wstring(), false, false);
}

bool EditText::Undo()
{
    if (!hasUndo) return false;
    // A second undo puts back what the first took away, as on Windows.
    std::swap(text, undoText);
    ++revision;
    std::swap(caret, undoCaret);
    caret = std::min(caret, text.size());
    anchor = caret;
    typingStep = false;
    return true;
}

void EditText::MoveCaret(size_t position, bool extend)
{
    caret = std::min(position, text.size());
    if (!extend) anchor = caret;
    typingStep = false;
}

void EditText::Select(size_t anchorAt, size_t caretAt)
{
    anchor = std::min(anchorAt, text.size());
    caret = std::min(caretAt, text.size());
    typingStep = false;
}

void EditText::SelectWordAt(size_t position)
{
    position = std::min(position, text.size());
    if (text.empty()) return Select(0, 0);
    size_t probe = position < text.size() ? position : position - 1;
    bool blank = IsBlank(text[probe]);
    size_t start = probe, end = probe + 1;
    while (start > 0 && IsBlank(text[start - 1]) == blank) --start;
    while (end < text.size() && IsBlank(text[end]) == blank) ++end;
    Select(start, end);
}

size_t EditText::WordLeft(size_t from) const
{
    from = std::min(from, text.size());
    while (from > 0 && IsBlank(text[from - 1])) --from;
    while (from > 0 && !IsBlank(text[from - 1])) --from;
    return from;
}

size_t EditText::WordRight(size_t from) const
{
    from = std::min(from, text.size());
    while (from < text.size() && !IsBlank(text[from])) ++from;
    while (from < text.size() && IsBlank(text[from])) ++from;
    return from;
}

}  // namespace platform::controls
