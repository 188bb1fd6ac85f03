#include "tools/rc2cpp/VersionRecord.h"

namespace rc2cpp {
namespace {

class Writer {
public:
    std::vector<unsigned char> bytes;

    void Put16(uint32_t value) {
        bytes.push_back(value & 0xFF);
        bytes.push_back((value >> 8) & 0xFF);
    }
    void Put32(uint32_t value) {
        Put16(value & 0xFFFF);
        Put16(value >> 16);
    }
    void PutText(const std::u16string& text) {
        for (char16_t c : text) Put16(c);
        Put16(0);
    }
    void Align() {
        while (bytes.size() % 4) bytes.push_back(0);
    }
    // Patches a 16-bit length; a record beyond 64 KiB cannot be expressed.
    void Patch16(size_t at, size_t value) {
        if (value > 0xFFFF) throw ScriptError(0, "version record larger than 64 KiB");
        bytes[at] = value & 0xFF;
        bytes[at + 1] = (value >> 8) & 0xFF;
    }
};

size_t BeginItem(Writer& w, const std::u16string& key, uint32_t valueLength, uint32_t type) {
    w.Align();
    const size_t start = w.bytes.size();
    w.Put16(0);
    w.Put16(valueLength);
    w.Put16(type);
    w.PutText(key);
    w.Align();
    return start;
}

void WriteNode(Writer& w, const VersionNode& node) {
    size_t start;
    if (node.isBlock) {
        start = BeginItem(w, node.key, 0, 1);
        for (const VersionNode& child : node.children) WriteNode(w, child);
    } else if (node.isText) {
        start = BeginItem(w, node.key, node.text.size() + 1, 1);
        w.PutText(node.text);
    } else {
        start = BeginItem(w, node.key, node.words.size() * 2, 0);
        for (uint16_t word : node.words) w.Put16(word);
    }
    w.Patch16(start, w.bytes.size() - start);
}

}  // namespace

std::vector<unsigned char> BuildVersionRecord(const VersionResource& v) {
    Writer w;
    const size_t start = BeginItem(w, u"VS_VERSION_INFO", 52, 0);
    w.Put32(0xFEEF04BD);
    w.Put32(0x00010000);
    w.Put32((uint32_t(v.fileVersion[0]) << 16) | v.fileVersion[1]);
    w.Put32((uint32_t(v.fileVersion[2]) << 16) | v.fileVersion[3]);
    w.Put32((uint32_t(v.productVersion[0]) << 16) | v.productVersion[1]);
    w.Put32((uint32_t(v.productVersion[2]) << 16) | v.productVersion[3]);
    w.Put32(v.fileFlagsMask);
    w.Put32(v.fileFlags);
    w.Put32(v.fileOs);
    w.Put32(v.fileType);
    w.Put32(v.fileSubtype);
    w.Put32(0);
    w.Put32(0);
    for (const VersionNode& block : v.blocks) WriteNode(w, block);
    w.Patch16(start, w.bytes.size() - start);
    return w.bytes;
}

}  // namespace rc2cpp
