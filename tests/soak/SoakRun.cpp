#include "tests/soak/SoakRun.h"

#include "platform/testing/QueueCensus.h"
#include "platform/testing/TestPlatform.h"
#include "platform/user/Input.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

// The model fields are protected; pointers to them formed in a derived
// class read them on any view without widening the view's interface.
struct ViewFields : KyViewBase {
    static constexpr auto objectX = &ViewFields::objectX;
    static constexpr auto focalLength = &ViewFields::focalLength;
    static constexpr auto scale = &ViewFields::scale;
    static constexpr auto objectHeight = &ViewFields::objectHeight;
    static constexpr auto imageX = &ViewFields::imageX;
    static constexpr auto imageHeight = &ViewFields::imageHeight;
    static constexpr auto hasImage = &ViewFields::hasImage;
    static constexpr auto isConvex = &ViewFields::isConvex;
    static constexpr auto statusLines = &ViewFields::statusLines;
    static constexpr auto buttons = &ViewFields::buttons;
};

constexpr std::size_t kLogLength = 40;
constexpr unsigned kWarmUpSteps = 300;
constexpr unsigned kMostPosted = 1000;
constexpr unsigned kMostTimers = 64;

// The numbers a status line was formatted with, in order.
std::vector<double> NumbersIn(const std::wstring& line)
{
    std::vector<double> numbers;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!std::iswdigit(line[i])) continue;
        wchar_t* end = nullptr;
        numbers.push_back(std::wcstod(line.c_str() + i, &end));
        i = static_cast<std::size_t>(end - line.c_str());
    }
    return numbers;
}

bool Agrees(double shown, double expected)
{
    return std::fabs(shown - expected) <= 0.006 + 1e-6 * std::fabs(expected);
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// Checks one view's model and its status text against the lens equation
// 1/v - 1/u = 1/f with u = -objectX (the candle on the left) and the
// concave lens taken as f < 0.
std::string CheckView(KyViewBase& view, const char* name)
{
    const float x = view.*ViewFields::objectX;
    const float f = view.*ViewFields::focalLength;
    const float s = view.*ViewFields::scale;
    const float h = view.*ViewFields::objectHeight;
    const bool convex = view.*ViewFields::isConvex;
    const std::string where = std::string(name) + ": ";
    if (!std::isfinite(x) || !(x <= -0.5f)) return where + "objectX " + std::to_string(x);
    if (!(f >= 3.0f && f <= 50.0f)) return where + "focal length " + std::to_string(f);
    if (s != std::floor(s) || s < 6.0f || s > (convex ? 20.0f : 30.0f)) return where + "scale " + std::to_string(s);
    const bool image = view.*ViewFields::hasImage;
    const float v = view.*ViewFields::imageX;
    const float hi = view.*ViewFields::imageHeight;
    if (image && !(std::isfinite(v) && std::isfinite(hi))) return where + "image not finite";

    const std::vector<std::wstring>& lines = view.*ViewFields::statusLines;
    for (const std::wstring& line : lines)
        for (const wchar_t* bad : {L"nan", L"inf", L"NAN", L"INF"})
            if (line.find(bad) != std::wstring::npos) return where + "status line " + Narrow(line);
    const std::size_t expectedLines = convex ? (image ? 5 : 4) : 6;
    if (lines.size() != expectedLines) return where + "status has " + std::to_string(lines.size()) + " lines";

    const double u = -static_cast<double>(x);
    const double signedF = convex ? f : -static_cast<double>(f);
    std::vector<double> shown;
    for (const std::wstring& line : lines)
        for (double number : NumbersIn(line)) shown.push_back(number);
    std::vector<double> expected{f, h, u};
    if (image) {
        const double distance = std::fabs(1.0 / (1.0 / signedF - 1.0 / u));
        const double magnification = distance / u;
        expected.insert(expected.end(), {distance, h * magnification, magnification});
    }
    if (shown.size() != expected.size()) return where + "status numbers in " + Narrow(lines.back());
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!Agrees(shown[i], expected[i]))
            return where + "status number " + std::to_string(i) + " shows " + std::to_string(shown[i]) +
                   ", lens equation gives " + std::to_string(expected[i]);
    return {};
}

// Texts that have hurt text handling elsewhere: digits and points, pairs and
// lone halves of surrogates, direction marks and one very long run.
std::wstring SampleText(std::mt19937_64& random)
{
    static const wchar_t* const kSamples[] = {L"12", L"3", L"50", L"2.5", L".", L"7.25", L"49.99",
                                              L"50.01", L"\U0001F56F", L"\xD83D", L"\xDD6F", L"\x200F" L"12",
                                              L"\x202E" L"21", L"abc", L"-5", L"1e3"};
    const std::size_t pick = random() % (std::size(kSamples) + 1);
    if (pick < std::size(kSamples)) return kSamples[pick];
    return std::wstring(30000, static_cast<wchar_t>(L'0' + random() % 10));
}

}  // namespace

SoakRun::SoakRun(std::uint64_t seed) : random(seed)
{
    kytest::PumpUntilIdle();
    start = Count();
    main = std::make_unique<KyMainWnd>();
    main->CreateMain();
    ShowWindow(main->GetHwnd(), SW_SHOWNORMAL);
    kytest::PumpUntilIdle();
}

SoakRun::~SoakRun()
{
    if (main) Close();
}

SoakRun::Census SoakRun::Count()
{
    return {kytest::LiveWindowCount(), kytest::LiveTimerCount(), kytest::LiveGdiObjectCount()};
}

void SoakRun::Log(std::string entry)
{
    log.push_back(std::to_string(steps) + ":" + entry);
    if (log.size() > kLogLength) log.pop_front();
}

std::string SoakRun::LogTail() const
{
    std::string tail;
    for (const std::string& entry : log) tail += entry + " ";
    return tail;
}

POINT SoakRun::RandomPoint(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    switch (random() % 8) {
        case 0: {
            static const LONG kExtremes[] = {-32768, -32767, -100000, -1, 0, 32767, 32768, 100000};
            return {kExtremes[random() % 8], kExtremes[random() % 8]};
        }
        case 1: return {client.right + static_cast<LONG>(random() % 200), static_cast<LONG>(random() % 900) - 100};
        default:
            return {static_cast<LONG>(random() % (client.right + 1)), static_cast<LONG>(random() % (client.bottom + 1))};
    }
}

void SoakRun::Press(HWND window, POINT p)
{
    Log("p" + std::to_string(p.x) + "," + std::to_string(p.y));
    kytest::PressLeft(window, p.x, p.y);
}

void SoakRun::Release(HWND window, POINT p)
{
    Log("r" + std::to_string(p.x) + "," + std::to_string(p.y));
    kytest::ReleaseLeft(window, p.x, p.y);
    released = true;
}

void SoakRun::Click(HWND window, POINT p) { Press(window, p), Release(window, p); }

void SoakRun::Key(UINT key, bool control)
{
    Log(std::string(control ? "^" : "k") + std::to_string(key));
    HWND focus = GetFocus() ? GetFocus() : main->GetHwnd();
    if (control) kytest::KeyDown(focus, VK_CONTROL);
    kytest::KeyDown(focus, key);
    kytest::KeyUp(focus, key);
    if (control) kytest::KeyUp(focus, VK_CONTROL);
}

void SoakRun::Resize()
{
    static const SIZE kSizes[] = {{0, 0}, {1, 1}, {40, 700}, {120, 700}, {250, 500},
                                  {400, 300}, {1000, 700}, {1280, 800}, {1920, 1040}};
    const SIZE size = random() % 20 == 0 ? SIZE{4096, 4096} : kSizes[random() % std::size(kSizes)];
    Log("s" + std::to_string(size.cx) + "x" + std::to_string(size.cy));
    MoveWindow(main->GetHwnd(), 0, 0, size.cx, size.cy, TRUE);
    // Resizing costs as much as a hundred other steps, a huge window far
    // more: it is rare, and a huge window paints once and shrinks again.
    if (size.cx > 2000) {
        kytest::PumpUntilIdle();
        MoveWindow(main->GetHwnd(), 0, 0, 1000, 700, TRUE);
    }
}

void SoakRun::ClickViewButton()
{
    KyViewBase& view = IsWindowVisible(main->ConcaveView().GetHwnd()) ? static_cast<KyViewBase&>(main->ConcaveView())
                                                                      : main->ConvexView();
    if (random() % 6 == 0) {
        RECT r{};
        GetClientRect(main->ModeButton(), &r);
        Log("mode");
        Click(main->ModeButton(), {r.right / 2, r.bottom / 2});
        return;
    }
    const RECT& r = (view.*ViewFields::buttons)[random() % KyViewBase::kButtonCount].rect;
    Click(view.GetHwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void SoakRun::Event()
{
    HWND window = main->GetHwnd();
    static const UINT kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_RETURN, VK_ESCAPE};
    static const UINT kControlKeys[] = {'A', 'C', 'V', 'X'};
    static const int kWheelDeltas[] = {1, -1, 120, -120, 32767, -32767};
    switch (random() % 20) {
        case 0: case 1: case 2: {
            const POINT p = RandomPoint(window);
            Log("m" + std::to_string(p.x) + "," + std::to_string(p.y));
            kytest::MovePointer(window, p.x, p.y);
            break;
        }
        case 3: Press(window, RandomPoint(window)); break;
        case 4: Release(window, RandomPoint(window)); break;
        case 5: {
            const POINT p = RandomPoint(window);
            Log("d");
            Click(window, p);
            Click(window, p);
            break;
        }
        case 6: {
            const POINT p = RandomPoint(window);
            const int delta = kWheelDeltas[random() % std::size(kWheelDeltas)];
            Log("w" + std::to_string(delta));
            kytest::Wheel(window, p.x, p.y, delta);
            break;
        }
        case 7: case 8: Key(kKeys[random() % std::size(kKeys)], false); break;
        case 9: Key(kControlKeys[random() % std::size(kControlKeys)], true); break;
        case 10: {
            const std::wstring text = SampleText(random);
            Log("t" + std::to_string(text.size()) + Narrow(text.substr(0, 6)));
            kytest::TypeText(GetFocus() ? GetFocus() : main->GetHwnd(), text.c_str());
            break;
        }
        case 11: if (random() % 10 == 0) Resize(); break;
        case 12: {
            const bool active = random() % 2;
            Log(active ? "a+" : "a-");
            platform::input::ActivationChanged(window, active);
            break;
        }
        case 13: case 14: {
            const unsigned ms = static_cast<unsigned>(random() % 1001);
            Log("c" + std::to_string(ms));
            // With no button held down, time alone must not move the scene.
            const bool held = GetKeyState(VK_LBUTTON) < 0;
            const std::vector<float> before = Scenes();
            kytest::AdvanceClock(ms);
            movedByTime = !held && Scenes() != before;
            break;
        }
        default: ClickViewButton(); break;
    }
}

std::vector<float> SoakRun::Scenes() const
{
    std::vector<float> values;
    for (KyViewBase* view : {static_cast<KyViewBase*>(&main->ConvexView()), static_cast<KyViewBase*>(&main->ConcaveView())})
        values.insert(values.end(), {view->*ViewFields::objectX, view->*ViewFields::scale});
    return values;
}

std::string SoakRun::Step()
{
    ++steps;
    released = false;
    movedByTime = false;
    Event();
    if (kytest::PostedMessageCount() > kMostPosted)
        return "posted queue holds " + std::to_string(kytest::PostedMessageCount());
    kytest::PumpUntilIdle();
    return Check();
}

std::string SoakRun::NameOf(HWND window) const
{
    const std::pair<HWND, const char*> known[] = {{main->GetHwnd(), "the main window"},
                                                  {main->ConvexView().GetHwnd(), "the convex view"},
                                                  {main->ConcaveView().GetHwnd(), "the concave view"},
                                                  {main->ModeButton(), "the mode button"}};
    for (const auto& [handle, name] : known)
        if (handle == window) return name;
    return GetParent(window) ? "a child of " + NameOf(GetParent(window)) : "another window";
}

std::string SoakRun::Check()
{
    MSG pending{};
    if (PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE) && pending.message != WM_QUIT)
        return "not idle after pumping: message " + std::to_string(pending.message);
    for (std::string failure : {CheckView(main->ConvexView(), "convex"), CheckView(main->ConcaveView(), "concave")})
        if (!failure.empty()) return failure;
    if (movedByTime) return "the scene moved while time passed with no button held";
    if (IsWindowVisible(main->ConvexView().GetHwnd()) == IsWindowVisible(main->ConcaveView().GetHwnd()))
        return "not exactly one view visible";
    if (GetFocus() && !IsWindow(GetFocus())) return "focus on a dead window";
    if (HWND capture = GetCapture(); capture && (released || !IsWindow(capture))) {
        return "capture kept by " + NameOf(capture);
    }
    if (kytest::LiveTimerCount() > kMostTimers) return "timers " + std::to_string(kytest::LiveTimerCount());
    const unsigned gdi = kytest::LiveGdiObjectCount();
    if (steps <= kWarmUpSteps)
        gdiAfterWarmUp = std::max(gdiAfterWarmUp, gdi);
    else if (gdi > gdiAfterWarmUp)
        return "GDI objects grew to " + std::to_string(gdi) + " from " + std::to_string(gdiAfterWarmUp);
    return {};
}

std::string SoakRun::Close()
{
    Log("close");
    SendMessageW(main->GetHwnd(), WM_CLOSE, 0, 0);
    kytest::PumpUntilIdle();
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    main.reset();
    const auto text = [](const Census& c) {
        return std::to_string(c.windows) + " windows, " + std::to_string(c.timers) + " timers, " +
               std::to_string(c.gdiObjects) + " GDI";
    };
    const Census end = Count();
    if (end.windows != start.windows || end.timers != start.timers || end.gdiObjects != start.gdiObjects)
        return "after close: " + text(end) + " against " + text(start);
    return {};
}
