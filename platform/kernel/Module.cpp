#include "platform/kernel/Module.h"

#include "platform/kernel/WideText.h"
#include "platform/kernel/kernel.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace platform::kernel {
namespace {

// Only its address matters: it stands for the executable's image.
const int moduleMarker = 0;

std::string ReadExecutablePath() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

// The arguments the process was started with, each ended by a NUL. Plain
// system calls: a file stream would link the C++ locale machinery into the
// program and set all of it up on first use.
std::string ReadOwnArguments() {
    std::string raw;
    const int fd = open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return raw;
    char chunk[4096];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n > 0) raw.append(chunk, static_cast<size_t>(n));
        else if (n == 0 || errno != EINTR) break;
    }
    close(fd);
    return raw;
}

// Quotes one argument so that the Microsoft C runtime's parsing gives it
// back unchanged: blanks need quotes, and backslashes are doubled only
// where they precede a quotation mark.
std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

// The program's path (as the process was started from a launcher, the
// full path) followed by the arguments, quoted as Windows would pass them.
std::wstring BuildCommandLine() {
    const std::string raw = ReadOwnArguments();
    std::wstring line = QuoteArgument(WideFromUtf8(OwnExecutablePath()));
    size_t start = raw.find('\0');
    while (start != std::string::npos && start + 1 < raw.size()) {
        const size_t end = raw.find('\0', start + 1);
        line += L' ';
        line += QuoteArgument(WideFromUtf8(raw.substr(start + 1, end - start - 1)));
        start = end;
    }
    return line;
}

}  // namespace

HMODULE OwnModule() { return reinterpret_cast<HMODULE>(const_cast<int*>(&moduleMarker)); }

bool IsOwnModule(HMODULE module) { return module == nullptr || module == OwnModule(); }

const std::string& OwnExecutablePath() {
    static const std::string path = ReadExecutablePath();
    return path;
}

}  // namespace platform::kernel

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName == nullptr) return platform::kernel::OwnModule();
    // No other module is loaded the Windows way.
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size) {
    if (!platform::kernel::IsOwnModule(module)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    static const std::wstring path = platform::kernel::WideFromUtf8(platform::kernel::OwnExecutablePath());
    if (size == 0 || fileName == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // Too small: truncated and terminated, the return value is the buffer
    // size, as Windows has done since Vista.
    if (path.size() >= size) {
        path.copy(fileName, size - 1);
        fileName[size - 1] = L'\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    path.copy(fileName, path.size());
    fileName[path.size()] = L'\0';
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

LPWSTR GetCommandLineW() {
    static std::wstring line = platform::kernel::BuildCommandLine();
    return line.data();
}
