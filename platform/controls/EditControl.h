// The single-line "edit" control: one object per window, driven by ControlProc.
#pragma once

#include <unordered_map>
#include <vector>

#include "platform/controls/EditText.h"
#include "platform/win32.h"

namespace platform::controls {

class EditControl {
public:
    explicit EditControl(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The creation text, set without notifying anyone.

private:
    // Editing; each ends with the notifications and the redraw.
    void TypeCharacter(wchar_t c);
    void InsertLimited(const std::wstring& text, bool typing);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void KeyDown(UINT key);
    void SetText(LPCWSTR text);
    void SetSelection(WPARAM start, LPARAM end);
    LRESULT GetSelection(WPARAM start, LPARAM end) const;
    // Notifies EN_UPDATE and EN_CHANGE around the redraw; false when the
    // parent destroyed the control meanwhile.
    bool Changed();
    void SelectionMoved();

    // Mouse.
    void Press(int x, bool extend);
    void Drag(int x);
    void Release();
    void DoubleClick(int x);

    // Focus and caret.
    void FocusGained();
    void FocusLost();
    void Blink();

    // Geometry: the text area, character positions, horizontal scrolling.
    RECT TextArea() const;
    int CharWidth(wchar_t c);
    int XOf(size_t index);
    // The left edge of every character and the end of the text.
    const std::vector<int>& Positions();
    size_t IndexAt(int x);
    void KeepCaretVisible();
    int LineHeight();
    void Paint();

    HWND hwnd_;
    EditText text_;
    HFONT font_ = nullptr;
    std::unordered_map<wchar_t, int> widths_;
    std::vector<int> positions_;
    unsigned positionsRevision_ = 0;
    bool positionsValid_ = false;
    int lineHeight_ = 0;
    int scrollX_ = 0;
    bool focused_ = false;
    bool caretOn_ = false;
    bool selecting_ = false;
};

}  // namespace platform::controls
