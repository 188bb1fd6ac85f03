#include "platform/controls/EditText.h"

#include <algorithm>

namespace platform::controls {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

void EditText::SetText(std::wstring text)
{
    text_ = std::move(text);
    ++revision_;
    anchor_ = caret_ = 0;
    hasUndo_ = false;
    typingStep_ = false;
    undoText_.clear();
}

void EditText::Remember()
{
    undoText_ = text_;
    undoCaret_ = caret_;
    hasUndo_ = true;
}

bool EditText::ReplaceSelection(const std::wstring& insert, bool limited, bool typing, bool* truncated)
{
    size_t start = SelectionStart(), end = SelectionEnd();
    size_t keep = text_.size() - (end - start);
    size_t room = insert.size();
    if (limited) room = keep >= limit_ ? 0 : std::min(room, limit_ - keep);
    if (truncated) *truncated = room < insert.size();
    if (room == 0 && start == end) return false;
    if (!(typing && typingStep_)) Remember();
    typingStep_ = typing;
    text_.replace(start, end - start, insert, 0, room);
    ++revision_;
    anchor_ = caret_ = start + room;
    return true;
}

bool EditText::DeleteBackward()
{
    if (!HasSelection()) {
        if (caret_ == 0) return false;
        anchor_ = caret_ - 1;
    }
    return ReplaceSelection(std::wstring(), false, false);
}

bool EditText::DeleteForward()
{
    if (!HasSelection()) {
        if (caret_ >= text_.size()) return false;
        anchor_ = caret_ + 1;
    }
    return ReplaceSelection(std::wstring(), false, false);
}

bool EditText::Undo()
{
    if (!hasUndo_) return false;
    // A second undo puts back what the first took away, as on Windows.
    std::swap(text_, undoText_);
    ++revision_;
    std::swap(caret_, undoCaret_);
    caret_ = std::min(caret_, text_.size());
    anchor_ = caret_;
    typingStep_ = false;
    return true;
}

void EditText::MoveCaret(size_t position, bool extend)
{
    caret_ = std::min(position, text_.size());
    if (!extend) anchor_ = caret_;
    typingStep_ = false;
}

void EditText::Select(size_t anchor, size_t caret)
{
    anchor_ = std::min(anchor, text_.size());
    caret_ = std::min(caret, text_.size());
    typingStep_ = false;
}

void EditText::SelectWordAt(size_t position)
{
    position = std::min(position, text_.size());
    if (text_.empty()) return Select(0, 0);
    size_t probe = position < text_.size() ? position : position - 1;
    bool blank = IsBlank(text_[probe]);
    size_t start = probe, end = probe + 1;
    while (start > 0 && IsBlank(text_[start - 1]) == blank) --start;
    while (end < text_.size() && IsBlank(text_[end]) == blank) ++end;
    Select(start, end);
}

size_t EditText::WordLeft(size_t from) const
{
    from = std::min(from, text_.size());
    while (from > 0 && IsBlank(text_[from - 1])) --from;
    while (from > 0 && !IsBlank(text_[from - 1])) --from;
    return from;
}

size_t EditText::WordRight(size_t from) const
{
    from = std::min(from, text_.size());
    while (from < text_.size() && !IsBlank(text_[from])) ++from;
    while (from < text_.size() && IsBlank(text_[from])) ++from;
    return from;
}

}  // namespace platform::controls
