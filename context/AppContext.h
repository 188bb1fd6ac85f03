// The one record of what every window shares: the program's module and path,
// its version record and window title, the shared fonts and pens, the six
// pictures of the demonstration and the status display the views report to.
// The main window fills it when it is created and empties it when it goes.
#pragma once

#include "context/VersionInfo.h"
#include "images/KyImage.h"
#include "platform/win32.h"

#include <array>
#include <climits>
#include <cstdint>
#include <string>

class KyStatusShower;

// The caption "<product> （<major>.<minor>）:" with full-width parentheses.
std::wstring WindowTitle(const std::wstring& productName, const std::array<WORD, 4>& productVersion);

class AppContext {
public:
    // Font and pen fields hold this while they name no object.
    static constexpr int32_t kNoObject = INT_MAX;

    static AppContext& Instance();

    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // Fills the context; does nothing while it is filled already.
    void Initialize();
    // Gives back what Initialize acquired; does nothing while it is empty.
    // The strings and the version record stay as they are.
    void Shutdown();

    HMODULE module = nullptr;
    std::wstring modulePath;
    std::wstring moduleDirectory;
    std::wstring moduleFileName;
    std::wstring arguments;
    VersionInfo versionInfo;
    std::wstring productName;
    std::wstring title;

    int32_t titleFont = kNoObject;
    int32_t font18 = kNoObject;
    int32_t boldFont30 = kNoObject;
    int32_t font28 = kNoObject;
    int32_t font30 = kNoObject;

    int32_t rayPen = kNoObject;
    int32_t dashedRayPen = kNoObject;
    int32_t redPen = kNoObject;

    KyImage candlePicture;
    KyImage uprightImagePicture;
    KyImage invertedImagePicture;
    KyImage convexLensPicture;
    KyImage concaveLensPicture;
    KyImage buttonSkin;

    // Not owned: the main window's status display while that window lives.
    KyStatusShower* statusDisplay = nullptr;

private:
    AppContext() = default;
    // Runs Shutdown when the main window never did; the pictures then go in
    // reverse order of their declaration.
    ~AppContext();

    void ReadVersion();
    void AcquireDrawingObjects();
    void LoadPictures();
    std::array<KyImage*, 6> Pictures();
};
