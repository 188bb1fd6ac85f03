#include "platform/gdi/GdiObjects.h"
#include "platform/kernel/FaultInjection.h"

#include <cairo.h>

#include <array>
#include <mutex>
#include <new>
#include <unordered_set>

namespace platform::gdi {
namespace {

struct Registry {
    std::mutex mutex;
    std::unordered_set<GdiObject*> live;
    std::array<int, 4> failures{};  // pens, brushes, fonts, bitmaps
    unsigned nonStock = 0;
};

Registry& TheRegistry() {
    static Registry* registry = new Registry;  // outlives every static destructor
    return *registry;
}

int FailureSlot(Kind kind) {
    switch (kind) {
        case Kind::Pen: return 0;
        case Kind::Brush: return 1;
        case Kind::Font: return 2;
        case Kind::Bitmap: return 3;
        case Kind::Dc: break;
    }
    return -1;
}

template <class T>
T* MakeStock(T* object) {
    object->stock = true;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.live.insert(object);
    return object;
}

Brush* NewStockBrush(COLORREF colour, bool hollow) {
    auto* brush = new Brush;
    brush->colour = colour;
    brush->hollow = hollow;
    return MakeStock(brush);
}

Pen* NewStockPen(int style, COLORREF colour) {
    auto* pen = new Pen;
    pen->style = style;
    pen->colour = colour;
    return MakeStock(pen);
}

}  // namespace


Bitmap::~Bitmap() {
    if (surface) cairo_surface_destroy(surface);
}

GdiObject* Register(std::unique_ptr<GdiObject> object) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto site = object->kind == Kind::Dc ? faults::Site::Dc : faults::Site::GdiObject;
    if (faults::ShouldFail(site)) return nullptr;
    int slot = FailureSlot(object->kind);
    if (slot >= 0 && registry.failures[slot] > 0) {
        --registry.failures[slot];
        return nullptr;
    }
    GdiObject* raw = object.release();
    registry.live.insert(raw);
    ++registry.nonStock;
    return raw;
}

void Unregister(GdiObject* object) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    if (registry.live.erase(object) && !object->stock) --registry.nonStock;
}

GdiObject* Lookup(const void* handle) {
    if (!handle) return nullptr;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto* object = static_cast<GdiObject*>(const_cast<void*>(handle));
    return registry.live.count(object) ? object : nullptr;
}

void Retain(GdiObject* object) { ++object->selections; }

void ReleaseSelection(GdiObject* object) {
    if (--object->selections == 0 && object->deletePending) {
        Unregister(object);
        delete object;
    }
}

Pen* StockPen(int which) {
    static Pen* white = NewStockPen(PS_SOLID, RGB(255, 255, 255));
    static Pen* black = NewStockPen(PS_SOLID, RGB(0, 0, 0));
    static Pen* none = NewStockPen(PS_NULL, RGB(0, 0, 0));
    switch (which) {
        case WHITE_PEN: return white;
        case BLACK_PEN: return black;
        case NULL_PEN: return none;
    }
    return nullptr;
}

Brush* StockBrush(int which) {
    static Brush* white = NewStockBrush(RGB(255, 255, 255), false);
    static Brush* light = NewStockBrush(RGB(192, 192, 192), false);
    static Brush* gray = NewStockBrush(RGB(128, 128, 128), false);
    static Brush* dark = NewStockBrush(RGB(64, 64, 64), false);
    static Brush* black = NewStockBrush(RGB(0, 0, 0), false);
    static Brush* hollow = NewStockBrush(RGB(0, 0, 0), true);
    switch (which) {
        case WHITE_BRUSH: return white;
        case LTGRAY_BRUSH: return light;
        case GRAY_BRUSH: return gray;
        case DKGRAY_BRUSH: return dark;
        case BLACK_BRUSH: return black;
        case NULL_BRUSH: return hollow;
    }
    return nullptr;
}

Font* StockFont() {
    static Font* font = [] {
        auto* f = new Font;
        f->logFont.lfHeight = 16;
        f->logFont.lfWeight = FW_NORMAL;
        f->logFont.lfCharSet = DEFAULT_CHARSET;
        const wchar_t face[] = L"SimSun";
        for (size_t i = 0; i < sizeof face / sizeof face[0]; ++i) f->logFont.lfFaceName[i] = face[i];
        return MakeStock(f);
    }();
    return font;
}

Bitmap* StockBitmap() {
    static Bitmap* bitmap = [] {
        auto* b = new Bitmap;
        b->surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        b->width = 1;
        b->height = 1;
        return MakeStock(b);
    }();
    return bitmap;
}

unsigned LiveObjectCount() {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.nonStock;
}

bool FailNextCreations(Kind kind, int count) {
    int slot = FailureSlot(kind);
    if (slot < 0 || count < 0) return false;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    registry.failures[slot] = count;
    return true;
}

}  // namespace platform::gdi

using namespace platform::gdi;

HGDIOBJ GetStockObject(int object) {
    if (object == SYSTEM_FONT || object == DEFAULT_GUI_FONT) return StockFont();
    if (Pen* pen = StockPen(object)) return pen;
    return StockBrush(object);
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_DASH && style != PS_DOT && style != PS_NULL) return nullptr;
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->width = width < 0 ? -width : width;
    pen->colour = colour & 0xFFFFFF;
    return reinterpret_cast<HPEN>(Register(std::move(pen)));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_unique<Brush>();
    brush->colour = colour & 0xFFFFFF;
    return reinterpret_cast<HBRUSH>(Register(std::move(brush)));
}

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (!logFont) return nullptr;
    auto font = std::make_unique<Font>();
    font->logFont = *logFont;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    return reinterpret_cast<HFONT>(Register(std::move(font)));
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* object = Lookup(handle);
    if (!object || object->kind == Kind::Dc) return FALSE;
    if (object->stock) return TRUE;
    if (object->selections > 0) {
        // Windows lets the DC keep using it and deletes it once deselected.
        object->deletePending = true;
        return TRUE;
    }
    Unregister(object);
    delete object;
    return TRUE;
}
