#include "tests/support/TestWindow.h"

#include <algorithm>
#include <cwchar>
#include <map>
#include <string>

#include "platform/testing/TestPlatform.h"

namespace testwin {
namespace {

std::vector<Entry> log;
Hook hook;
std::vector<HWND> created;
std::map<UINT, std::wstring> classNames;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    log.push_back(Entry{hwnd, message, wParam, lParam});
    LRESULT result = 0;
    if (hook && hook(hwnd, message, wParam, lParam, &result)) return result;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND Create(HWND parent, int x, int y, int width, int height, UINT classStyle, DWORD style)
{
    HWND hwnd = CreateWindowExW(0, ClassFor(classStyle), L"", style, x, y, width, height, parent, nullptr, nullptr, nullptr);
    if (hwnd) created.push_back(hwnd);
    return hwnd;
}

}  // namespace

std::vector<Entry>& Log() { return log; }
void ClearLog() { log.clear(); }
void SetHook(Hook h) { hook = std::move(h); }
int CountOf(UINT message, HWND hwnd) { return static_cast<int>(EntriesOf(message, hwnd).size()); }

std::vector<UINT> Messages(std::initializer_list<UINT> only, HWND hwnd)
{
    std::vector<UINT> out;
    for (const Entry& e : log)
        if ((!hwnd || e.hwnd == hwnd) && std::find(only.begin(), only.end(), e.message) != only.end()) out.push_back(e.message);
    return out;
}

std::vector<Entry> EntriesOf(UINT message, HWND hwnd)
{
    std::vector<Entry> out;
    for (const Entry& e : log)
        if (e.message == message && (!hwnd || e.hwnd == hwnd)) out.push_back(e);
    return out;
}

const wchar_t* ClassFor(UINT classStyle)
{
    if (auto it = classNames.find(classStyle); it != classNames.end()) return it->second.c_str();
    wchar_t name[64];
    std::swprintf(name, 64, L"KyConformance_%X", classStyle);
    const WNDCLASSEXW wc{sizeof wc, classStyle, RecordingProc, 0, 0, nullptr, nullptr, LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr, name, nullptr};
    RegisterClassExW(&wc);
    return classNames.emplace(classStyle, name).first->second.c_str();
}

HWND CreateTopLevel(int x, int y, int width, int height, UINT classStyle, DWORD style) { return Create(nullptr, x, y, width, height, classStyle, style); }
HWND CreateChild(HWND parent, int x, int y, int width, int height, UINT classStyle, DWORD style) { return Create(parent, x, y, width, height, classStyle, style); }

void Reset()
{
    hook = nullptr;
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
    created.clear();
    ReleaseCapture();
    kytest::PumpUntilIdle();
    for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
    }
    log.clear();
}

}  // namespace testwin
