// The text of a single-line edit control and what editing does to it:
// selection, caret, length limit and the one level of undo Windows keeps.
// No window and no drawing, so the rules are tested on their own.
#pragma once

#include <cstddef>
#include <string>

namespace platform::controls {

class EditText {
public:
    // Windows' default limit for typed and pasted text.
    static constexpr size_t kDefaultLimit = 30000;

    const std::wstring& Text() const { return text_; }
    size_t Length() const { return text_.size(); }
    size_t Caret() const { return caret_; }
    size_t Anchor() const { return anchor_; }
    size_t SelectionStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    size_t SelectionEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool HasSelection() const { return anchor_ != caret_; }
    size_t Limit() const { return limit_; }
    void SetLimit(size_t limit) { limit_ = limit; }
    bool CanUndo() const { return hasUndo_; }
    // Changes whenever the text does, so that measurements can be cached.
    unsigned Revision() const { return revision_; }

    // Replaces everything, unlimited; the caret goes to the start and the
    // undo buffer is emptied, as WM_SETTEXT does.
    void SetText(std::wstring text);

    // Puts `insert` in place of the selection. With `limited`, only as much
    // as fits under the limit goes in. `typing` joins consecutive typed
    // characters into one undo step. Returns true when the text changed;
    // `truncated` tells whether some of `insert` did not fit.
    bool ReplaceSelection(const std::wstring& insert, bool limited, bool typing, bool* truncated = nullptr);
    bool DeleteBackward();
    bool DeleteForward();
    bool Undo();

    // Moves the caret; with `extend` the anchor stays and the selection grows.
    void MoveCaret(size_t position, bool extend);
    // Selects from `anchor` to `caret`, both clamped to the text.
    void Select(size_t anchor, size_t caret);
    void SelectWordAt(size_t position);
    size_t WordLeft(size_t from) const;
    size_t WordRight(size_t from) const;

private:
    void Remember();

    std::wstring text_;
    size_t anchor_ = 0;
    size_t caret_ = 0;
    size_t limit_ = kDefaultLimit;
    unsigned revision_ = 0;

    bool hasUndo_ = false;
    bool typingStep_ = false;  // the undo step is still collecting typed characters
    std::wstring undoText_;
    size_t undoCaret_ = 0;
};

}  // namespace platform::controls
