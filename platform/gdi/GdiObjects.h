// The objects behind GDI handles. A handle is the address of one of these;
// every handle that comes in is checked against the table of live objects,
// so a stale or foreign handle is refused instead of dereferenced.
#pragma once

#include "platform/gdi/gdi.h"

#include <memory>

typedef struct _cairo_surface cairo_surface_t;

namespace platform::gdi {

struct FontFace;
struct DeviceContext;

enum class Kind { Pen, Brush, Font, Bitmap, Dc };

struct GdiObject {
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    bool stock = false;
    int selections = 0;          // DCs that hold it now
    bool deletePending = false;  // DeleteObject while selected: goes when released
};

struct Pen : GdiObject {
    Pen() : GdiObject(Kind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = 0;
};

struct Brush : GdiObject {
    Brush() : GdiObject(Kind::Brush) {}
    COLORREF colour = 0;
    bool hollow = false;
};

struct Font : GdiObject {
    Font() : GdiObject(Kind::Font) {}
    ~Font() override;
    LOGFONTW logFont{};
    FontFace* face = nullptr;  // resolved on first use, owned
};

struct Bitmap : GdiObject {
    Bitmap() : GdiObject(Kind::Bitmap) {}
    ~Bitmap() override;
    cairo_surface_t* surface = nullptr;  // RGB24 image surface, owned
    int width = 0;   // logical pixels; the surface holds `scale` times as many
    int height = 0;
    double scale = 1;  // a compatible bitmap takes its DC's, so copies stay sharp
    DeviceContext* selectedInto = nullptr;  // a bitmap lives in one DC at a time
};

// Registers a new object; false (and the object deleted) when creations of
// its kind are being made to fail or memory runs out.
GdiObject* Register(std::unique_ptr<GdiObject> object);
void Unregister(GdiObject* object);

// Bookkeeping of selections: an object deleted while selected goes when the
// last DC lets go of it, as Windows does.
void Retain(GdiObject* object);
void ReleaseSelection(GdiObject* object);

// The live object behind a handle, or null when it is not one of ours.
GdiObject* Lookup(const void* handle);
template <class T>
T* LookupAs(const void* handle, Kind kind) {
    GdiObject* object = Lookup(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}

Pen* StockPen(int which);
Brush* StockBrush(int which);
Font* StockFont();
Bitmap* StockBitmap();  // the 1 x 1 bitmap every new memory DC holds

// Test hooks.
unsigned LiveObjectCount();
bool FailNextCreations(Kind kind, int count);

}  // namespace platform::gdi
