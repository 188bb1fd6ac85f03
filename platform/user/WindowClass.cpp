#include "platform/user/WindowClass.h"

#include <cwctype>
#include <vector>

namespace platform::user {
namespace {

std::vector<std::shared_ptr<WindowClass>>& classes()
{
    static std::vector<std::shared_ptr<WindowClass>> list;
    return list;
}

bool SameName(const std::wstring& a, LPCWSTR b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return i == a.size() && !b[i];
}

}  // namespace

std::shared_ptr<WindowClass> FindClass(LPCWSTR nameOrAtom)
{
    if (!nameOrAtom) return nullptr;
    for (auto& c : classes()) {
        if (IS_INTRESOURCE(nameOrAtom) ? c->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom))
                                       : SameName(c->name, nameOrAtom))
            return c;
    }
    return nullptr;
}

}  // namespace platform::user

using namespace platform::user;

ATOM RegisterClassExW(const WNDCLASSEXW* wc)
{
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXW) || !wc->lpfnWndProc || !wc->lpszClassName) return 0;
    if (IS_INTRESOURCE(wc->lpszClassName) || !wc->lpszClassName[0]) return 0;
    if (wc->cbWndExtra < 0 || wc->cbClsExtra < 0) return 0;
    if (FindClass(wc->lpszClassName)) return 0;
    // Atoms of registered classes live in 0xC000-0xFFFF, as on Windows.
    static ATOM nextAtom = 0xC000;
    if (nextAtom == 0) return 0;
    auto c = std::make_shared<WindowClass>();
    c->atom = nextAtom++;
    c->name = wc->lpszClassName;
    c->info = *wc;
    c->info.lpszClassName = nullptr;
    c->info.lpszMenuName = nullptr;
    classes().push_back(c);
    return c->atom;
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE)
{
    auto c = FindClass(className);
    if (!c) return FALSE;
    // A class in use by a live window stays: every window holds its class.
    if (c.use_count() > 2) return FALSE;
    std::erase(classes(), c);
    return TRUE;
}

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR className, LPWNDCLASSEXW wc)
{
    auto c = FindClass(className);
    if (!c || !wc) return FALSE;
    *wc = c->info;
    wc->cbSize = sizeof(WNDCLASSEXW);
    wc->lpszClassName = className;
    return TRUE;
}
