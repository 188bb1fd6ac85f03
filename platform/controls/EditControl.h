// The single-line "edit" control: one object per window, driven by ControlProc.
#pragma once

#include <unordered_map>
#include <vector>

#include "platform/controls/EditText.h"
#include "platform/win32.h"

namespace platform::controls {

class EditControl {
public:
    explicit EditControl(HWND hwnd) : hwnd(hwnd) {}
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

    HWND hwnd;
    EditText text;
    HFONT font = nullptr;
    std::unordered_map<wchar_t, int> widths;
    std::vector<int> positions;
    unsigned positionsRevision = 0;
    bool positionsValid = false;
    int lineHeight = 0;
    int scrollX = 0;
    bool focused = false;
    bool caretOn = false;
    bool selecting = false;
};

}  // namespace platform::controls
