#include "context/AppContext.h"

#include "base/Text.h"
#include "context/ModulePaths.h"
#include "framework/ProgramModule.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "images/KyImagePool.h"

namespace {

constexpr COLORREF kRayColour = 0x213EDE;
constexpr COLORREF kFocalMarkColour = 250;
constexpr WORD kFirstPictureId = 180;
const wchar_t kPictureType[] = L"BIN";

}  // namespace

std::wstring WindowTitle(const std::wstring& productName, const std::array<WORD, 4>& productVersion)
{
    return Format(L"%ls （%u.%u）:", productName.c_str(), static_cast<unsigned>(productVersion[0]),
                  static_cast<unsigned>(productVersion[1]));
}

AppContext& AppContext::Instance()
{
    // The context's destructor still gives back to the caches and the picture
    // pool, so they must outlive it: statics constructed earlier die later.
    static const bool servicesFirst =
        (FontCache::Instance(), PenCache::Instance(), KyImagePool::Instance(), true);
    static AppContext context;
    (void)servicesFirst;
    return context;
}

AppContext::~AppContext()
{
    Shutdown();
}

void AppContext::Initialize()
{
    if (module != nullptr)
        return;
    module = ProgramModule();
    modulePath = ModulePath();
    moduleDirectory = ModuleDirectory();
    moduleFileName = ModuleFileName();
    arguments = ArgumentsOf(GetCommandLineW(), moduleFileName);
    ReadVersion();
    AcquireDrawingObjects();
    LoadPictures();
}

void AppContext::Shutdown()
{
    if (module == nullptr)
        return;
    for (int32_t* font : {&titleFont, &font18, &boldFont30, &font28, &font30})
        ReleaseFont(*font);
    titleFont = font18 = boldFont30 = font28 = font30 = kNoObject;
    for (int32_t* pen : {&rayPen, &dashedRayPen, &redPen})
        ReleasePen(*pen);
    rayPen = dashedRayPen = redPen = kNoObject;
    for (KyImage* picture : Pictures())
        picture->Release();
    statusDisplay = nullptr;
    module = nullptr;
}

void AppContext::ReadVersion()
{
    productName.clear();
    title.clear();
    versionInfo.Read(modulePath);
    if (versionInfo.stringTables.empty())
        return;
    productName = versionInfo.stringTables.front().productNameText;
    title = WindowTitle(productName, versionInfo.productVersion);
}

void AppContext::AcquireDrawingObjects()
{
    titleFont = AcquireBoldFont(30, L"楷体");
    font18 = AcquireFont(18, L"宋体");
    boldFont30 = AcquireBoldFont(30, L"宋体");
    font28 = AcquireFont(28, L"宋体");
    font30 = AcquireFont(30, L"宋体");

    rayPen = AcquirePen(kRayColour, 1);
    dashedRayPen = AcquireDashedPen();
    redPen = AcquirePen(kFocalMarkColour, 2);
}

void AppContext::LoadPictures()
{
    WORD id = kFirstPictureId;
    for (KyImage* picture : Pictures())
        picture->LoadFromResource(module, kPictureType, MAKEINTRESOURCEW(id++), true);
}

std::array<KyImage*, 6> AppContext::Pictures()
{
    return {&candlePicture,     &uprightImagePicture, &invertedImagePicture,
            &convexLensPicture, &concaveLensPicture,  &buttonSkin};
}
