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

    const std::wstring& Text() const { return text; }
    size_t Length() const { return text.size(); }
    size_t Caret() const { return caret; }
    size_t Anchor() const { return anchor; }
    size_t SelectionStart() const { return anchor < caret ? anchor : caret; }
    size_t SelectionEnd() const { return anchor < caret ? caret : anchor; }
    bool HasSelection() const { return anchor != caret; }
    size_t Limit() const { return limit; }
    void SetLimit(size_t value) { limit = value; }
    bool CanUndo() const { return hasUndo; }
    // Changes whenever the text does, so that measurements can be cached.
    unsigned Revision() const { return revision; }

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

    std::wstring text;
    size_t anchor = 0;
    size_t caret = 0;
    size_t limit = kDefaultLimit;
    unsigned revision = 0;

    bool hasUndo = false;
    bool typingStep = false;  // the undo step is still collecting typed characters
    std::wstring undoText;
    size_t undoCaret = 0;
};

}  // namespace platform::controls
