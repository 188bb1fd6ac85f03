#include "platform/user/WindowTree.h"

#include <algorithm>
#include <unordered_map>

namespace platform::user {
namespace {

struct Table {
    std::unordered_map<HWND, std::shared_ptr<Window>> windows;
    std::vector<HWND> topLevels;
    // Handles look like Windows' (small, even numbers) and are never reused.
    uintptr_t nextHandle = 0x10010;
};

Table& table()
{
    static Table t;
    return t;
}

}  // namespace

Window* Find(HWND hwnd)
{
    auto& windows = table().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second.get();
}

std::shared_ptr<Window> Hold(HWND hwnd)
{
    auto& windows = table().windows;
    auto it = windows.find(hwnd);
    return it == windows.end() ? nullptr : it->second;
}

Window* Add(std::shared_ptr<Window> window)
{
    Table& t = table();
    window->handle = reinterpret_cast<HWND>(t.nextHandle);
    t.nextHandle += 4;
    if (!window->parent) t.topLevels.push_back(window->handle);
    Window* raw = window.get();
    t.windows.emplace(raw->handle, std::move(window));
    return raw;
}

void Remove(HWND hwnd)
{
    Table& t = table();
    std::erase(t.topLevels, hwnd);
    t.windows.erase(hwnd);
}

const std::vector<HWND>& TopLevels() { return table().topLevels; }

unsigned Count() { return static_cast<unsigned>(table().windows.size()); }

int Width(const Window& w) { return w.rect.right - w.rect.left; }

int Height(const Window& w) { return w.rect.bottom - w.rect.top; }

RECT ClientRectOf(const Window& w) { return RECT{0, 0, Width(w), Height(w)}; }

POINT ScreenOrigin(const Window& w)
{
    POINT p{w.rect.left, w.rect.top};
    for (Window* up = Find(w.parent); up; up = Find(up->parent)) {
        p.x += up->rect.left;
        p.y += up->rect.top;
    }
    return p;
}

Window* TopLevelOf(Window* w)
{
    while (w && w->parent) w = Find(w->parent);
    return w;
}

POINT SurfaceOrigin(const Window& w)
{
    POINT p{0, 0};
    for (const Window* cur = &w; cur && cur->parent; cur = Find(cur->parent)) {
        p.x += cur->rect.left;
        p.y += cur->rect.top;
    }
    return p;
}

bool IsShownOnScreen(const Window& w)
{
    for (const Window* cur = &w; cur; cur = Find(cur->parent))
        if (!(cur->style & WS_VISIBLE)) return false;
    return true;
}

bool IsAncestor(HWND ancestor, HWND hwnd)
{
    for (Window* w = Find(hwnd); w; w = Find(w->parent))
        if (w->parent == ancestor) return true;
    return false;
}

}  // namespace platform::user
