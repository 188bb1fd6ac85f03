// The stream CreateStreamOnHGlobal hands out: reads and writes at a position
// within a global block, growing it on writes past the end.
#include "platform/gdiplus/GlobalMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

class HGlobalStream final : public IStream {
public:
    HGlobalStream(HGLOBAL memory, bool deleteOnRelease) : memory(memory), deleteOnRelease(deleteOnRelease) {}

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }

    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references;
        if (left == 0) {
            if (deleteOnRelease) GlobalFree(memory);
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG bytes, ULONG* read) override {
        if (!buffer && bytes) return E_POINTER;
        SIZE_T size = GlobalSize(memory);
        SIZE_T count = position < size ? std::min<SIZE_T>(bytes, size - position) : 0;
        if (count) {
            auto* data = static_cast<const char*>(GlobalLock(memory));
            if (!data) return E_FAIL;
            std::memcpy(buffer, data + position, count);
            GlobalUnlock(memory);
            position += count;
        }
        if (read) *read = static_cast<ULONG>(count);
        return S_OK;  // a short read at the end is not an error for this stream
    }

    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG bytes, ULONG* written) override {
        if (written) *written = 0;
        if (!buffer && bytes) return E_POINTER;
        if (!bytes) return S_OK;
        if (position + bytes > GlobalSize(memory) &&
            !platform::ole::ResizeBlock(memory, position + bytes)) {
            return E_OUTOFMEMORY;
        }
        auto* data = static_cast<char*>(GlobalLock(memory));
        if (!data) return E_FAIL;
        std::memcpy(data + position, buffer, bytes);
        GlobalUnlock(memory);
        position += bytes;
        if (written) *written = bytes;
        return S_OK;
    }

private:
    ~HGlobalStream() = default;

    HGLOBAL memory;
    bool deleteOnRelease;
    ULONG references = 1;
    SIZE_T position = 0;
};

}  // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL memory, BOOL deleteOnRelease, LPSTREAM* stream) {
    if (!stream) return E_INVALIDARG;
    *stream = nullptr;
    if (!memory) {
        memory = GlobalAlloc(GMEM_MOVEABLE, 0);
        if (!memory) return E_OUTOFMEMORY;
    } else if (!platform::ole::IsBlock(memory)) {
        return E_INVALIDARG;
    }
    auto* created = new (std::nothrow) HGlobalStream(memory, deleteOnRelease);
    if (!created) return E_OUTOFMEMORY;
    *stream = created;
    return S_OK;
}
