// Registered window classes.
#pragma once

#include <memory>
#include <string>

#include "platform/user/user.h"

namespace platform::user {

struct WindowClass {
    ATOM atom = 0;
    std::wstring name;
    WNDCLASSEXW info = {};  // lpszClassName and lpszMenuName are not kept
};

// The class with that name (case-insensitive) or atom, or null.
std::shared_ptr<WindowClass> FindClass(LPCWSTR nameOrAtom);

}  // namespace platform::user
