// VerQueryValueW over the binary VS_VERSIONINFO layout. Every read is
// checked against the enclosing item's wLength, and the root's wLength
// bounds everything, so a damaged record gives FALSE, never a stray read.
#include "platform/kernel/VersionBlock.h"
#include "platform/kernel/kernel.h"

#include <cstring>
#include <cwctype>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Item {
    size_t start = 0;
    size_t end = 0;  // start + wLength
    uint16_t valueLength = 0;
    bool isText = false;
    size_t keyStart = 0;
    size_t keyUnits = 0;  // without the terminator
    size_t value = 0;
    size_t valueBytes = 0;
    size_t children = 0;
};

class Record {
public:
    explicit Record(const unsigned char* bytes) : bytes(bytes) {}

    uint16_t Word(size_t at) const { return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8)); }

    // The item at `start`, which must lie within [start, limit).
    std::optional<Item> ItemAt(size_t start, size_t limit) const {
        Item item;
        item.start = start;
        if (start + 6 > limit) return std::nullopt;
        const size_t length = Word(start);
        if (length < 6 || length > limit - start) return std::nullopt;
        item.end = start + length;
        item.valueLength = Word(start + 2);
        item.isText = Word(start + 4) == 1;
        item.keyStart = start + 6;
        size_t at = item.keyStart;
        while (at + 2 <= item.end && Word(at) != 0) at += 2;
        if (at + 2 > item.end) return std::nullopt;
        item.keyUnits = (at - item.keyStart) / 2;
        item.value = Align(at + 2);
        item.valueBytes = item.isText ? size_t(item.valueLength) * 2 : item.valueLength;
        item.children = Align(item.value + item.valueBytes);
        return item;
    }

    bool KeyEquals(const Item& item, const std::wstring& key) const {
        if (item.keyUnits != key.size()) return false;
        for (size_t i = 0; i < key.size(); ++i) {
            const wchar_t stored = Word(item.keyStart + 2 * i);
            if (std::towupper(stored) != std::towupper(key[i])) return false;
        }
        return true;
    }

    std::optional<Item> Child(const Item& parent, const std::wstring& key) const {
        for (size_t at = parent.children; at < parent.end; at = Align(at)) {
            const std::optional<Item> child = ItemAt(at, parent.end);
            if (!child) return std::nullopt;
            if (KeyEquals(*child, key)) return child;
            at = child->end;
        }
        return std::nullopt;
    }

private:
    static size_t Align(size_t at) { return (at + 3) & ~size_t(3); }

    const unsigned char* bytes;
};

std::vector<std::wstring> SplitPath(LPCWSTR path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t* p = path; p != nullptr && *p != L'\0'; ++p) {
        if (*p == L'\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

// The UTF-32 copy of a UTF-16 text value, written into the block's
// conversion area; null when the block has no such area.
const wchar_t* WideText(unsigned char* block, size_t recordLength, const Item& item) {
    const Record record(block);
    if (record.Word(platform::kernel::kVersionRootTypeOffset) != platform::kernel::kVersionAreaMarker) return nullptr;
    static const wchar_t empty[] = L"";
    if (item.valueLength == 0) return empty;
    auto* out = reinterpret_cast<wchar_t*>(block + platform::kernel::VersionAreaOffset(recordLength) + 2 * item.value);
    size_t written = 0;
    for (size_t i = 0; i < item.valueLength; ++i) {
        uint32_t unit = record.Word(item.value + 2 * i);
        if (unit == 0) break;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < item.valueLength) {
            const uint32_t low = record.Word(item.value + 2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        out[written++] = static_cast<wchar_t>(unit);
    }
    // The terminator's slot exists: a text of n units owns n slots and we
    // wrote at most n - 1 when the last unit was not its terminator.
    out[written < item.valueLength ? written : item.valueLength - 1] = L'\0';
    return out;
}

BOOL NotFound(LPVOID* buffer, PUINT length) {
    if (buffer != nullptr) *buffer = nullptr;
    if (length != nullptr) *length = 0;
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return FALSE;
}

}  // namespace

BOOL VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, PUINT length) {
    if (block == nullptr || buffer == nullptr) return NotFound(buffer, length);
    auto* bytes = static_cast<unsigned char*>(const_cast<void*>(block));
    const size_t recordLength = bytes[0] | (bytes[1] << 8);
    const Record record(bytes);
    std::optional<Item> item = record.ItemAt(0, recordLength);
    for (const std::wstring& key : SplitPath(subBlock)) {
        if (!item) break;
        item = record.Child(*item, key);
    }
    if (!item || item->value + item->valueBytes > item->end) return NotFound(buffer, length);
    if (item->isText) {
        const wchar_t* text = WideText(bytes, recordLength, *item);
        if (text == nullptr) return NotFound(buffer, length);
        *buffer = const_cast<wchar_t*>(text);
    } else {
        *buffer = bytes + item->value;
    }
    if (length != nullptr) *length = item->valueLength;
    return TRUE;
}
