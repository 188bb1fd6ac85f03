#include "tests/soak/SoakRun.h"

#include "app/KyMainWnd.h"
#include "platform/user/Input.h"
#include "tests/soak/Census.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <deque>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kLogLength = 40;
constexpr unsigned kWarmUpSteps = 300, kMostPosted = 1000, kMostTimers = 64;

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::string At(POINT p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

// The model fields are protected; pointers to them formed in a derived
// class read them on any view without widening the view's interface.
struct ViewFields : KyViewBase {
    static RECT Button(const KyViewBase& view, int i) { return (view.*&ViewFields::buttons)[i].rect; }
    static std::vector<float> Scene(const KyViewBase& view) { return {view.*&ViewFields::objectX, view.*&ViewFields::scale}; }

    // Checks one view's model and its status text against the lens equation
    // 1/v - 1/u = 1/f with u = -objectX (the candle on the left) and the
    // concave lens taken as f < 0.
    static std::string Check(const KyViewBase& view, const char* name)
    {
        const float x = view.*&ViewFields::objectX, f = view.*&ViewFields::focalLength, s = view.*&ViewFields::scale;
        const float h = view.*&ViewFields::objectHeight, v = view.*&ViewFields::imageX, hi = view.*&ViewFields::imageHeight;
        const bool convex = view.*&ViewFields::isConvex, image = view.*&ViewFields::hasImage;
        const std::vector<std::wstring>& lines = view.*&ViewFields::statusLines;
        const std::string where = std::string(name) + ": ";
        if (!std::isfinite(x) || !(x <= -0.5f)) return where + "objectX " + std::to_string(x);
        if (!(f >= 3.0f && f <= 50.0f)) return where + "focal length " + std::to_string(f);
        if (s != std::floor(s) || s < 6.0f || s > (convex ? 20.0f : 30.0f)) return where + "scale " + std::to_string(s);
        if (image && !(std::isfinite(v) && std::isfinite(hi))) return where + "image not finite";
        if (lines.size() != (convex ? (image ? 5u : 4u) : 6u)) return where + "status has " + std::to_string(lines.size()) + " lines";
        // The numbers the lines were formatted with, in order ("nan" and
        // "inf" hold no digit and so miss a number).
        std::vector<double> shown;
        for (const std::wstring& line : lines)
            for (std::size_t i = 0; i < line.size(); ++i) {
                if (!std::iswdigit(line[i])) continue;
                wchar_t* end = nullptr;
                shown.push_back(std::wcstod(line.c_str() + i, &end));
                i = static_cast<std::size_t>(end - line.c_str());
            }
        const double u = -static_cast<double>(x), signedF = convex ? f : -static_cast<double>(f);
        std::vector<double> expected{f, h, u};
        if (image) {
            const double distance = std::fabs(1.0 / (1.0 / signedF - 1.0 / u)), magnification = distance / u;
            expected.insert(expected.end(), {distance, h * magnification, magnification});
        }
        if (shown.size() != expected.size()) return where + "status numbers in " + Narrow(lines.back());
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (std::fabs(shown[i] - expected[i]) > 0.006 + 1e-6 * std::fabs(expected[i]))
                return where + "status number " + std::to_string(i) + " shows " + std::to_string(shown[i]) +
                       ", lens equation gives " + std::to_string(expected[i]);
        return {};
    }
};

// Texts that have hurt text handling elsewhere: digits and points, pairs and
// lone halves of surrogates, direction marks and one very long run.
std::wstring SampleText(std::mt19937_64& random)
{
    static const wchar_t* const kSamples[] = {L"12", L"3", L"50", L"2.5", L".", L"7.25", L"49.99", L"50.01", L"\U0001F56F",
                                              L"\xD83D", L"\xDD6F", L"\x200F" L"12", L"\x202E" L"21", L"abc", L"-5", L"1e3"};
    const std::size_t pick = random() % (std::size(kSamples) + 1);
    return pick < std::size(kSamples) ? kSamples[pick] : std::wstring(30000, static_cast<wchar_t>(L'0' + random() % 10));
}

}  // namespace

struct SoakRun::Walk {
    explicit Walk(std::uint64_t seed) : random(seed)
    {
        kytest::PumpUntilIdle();
        start = Census::Now();
        main = std::make_unique<KyMainWnd>();
        main->CreateMain();
        ShowWindow(main->GetHwnd(), SW_SHOWNORMAL);
        kytest::PumpUntilIdle();
    }

    void Log(std::string entry)
    {
        log.push_back(std::to_string(steps) + ":" + entry);
        if (log.size() > kLogLength) log.pop_front();
    }

    POINT RandomPoint(HWND window)
    {
        RECT client{};
        GetClientRect(window, &client);
        static const LONG kExtremes[] = {-32768, -32767, -100000, -1, 0, 32767, 32768, 100000};
        switch (random() % 8) {
            case 0: return {kExtremes[random() % 8], kExtremes[random() % 8]};
            case 1: return {client.right + static_cast<LONG>(random() % 200), static_cast<LONG>(random() % 900) - 100};
            default: return {static_cast<LONG>(random() % (client.right + 1)), static_cast<LONG>(random() % (client.bottom + 1))};
        }
    }

    void Button(HWND window, POINT p, bool down)
    {
        Log((down ? "p" : "r") + At(p));
        down ? kytest::PressLeft(window, p.x, p.y) : kytest::ReleaseLeft(window, p.x, p.y);
        released |= !down;
    }

    void Click(HWND window, POINT p) { Button(window, p, true), Button(window, p, false); }

    void Key(UINT key, bool control)
    {
        Log(std::string(control ? "^" : "k") + std::to_string(key));
        HWND focus = GetFocus() ? GetFocus() : main->GetHwnd();
        if (control) kytest::KeyDown(focus, VK_CONTROL);
        kytest::KeyDown(focus, key);
        kytest::KeyUp(focus, key);
        if (control) kytest::KeyUp(focus, VK_CONTROL);
    }

    void Resize()
    {
        static const SIZE kSizes[] = {{0, 0}, {1, 1}, {40, 700}, {120, 700}, {250, 500}, {400, 300}, {1000, 700}, {1280, 800}, {1920, 1040}};
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

    void ClickViewButton()
    {
        if (random() % 6 == 0) {
            RECT r{};
            GetClientRect(main->ModeButton(), &r);
            Log("mode");
            return Click(main->ModeButton(), {r.right / 2, r.bottom / 2});
        }
        KyViewBase& view = IsWindowVisible(main->ConcaveView().GetHwnd()) ? static_cast<KyViewBase&>(main->ConcaveView())
                                                                          : main->ConvexView();
        const RECT r = ViewFields::Button(view, random() % KyViewBase::kButtonCount);
        Click(view.GetHwnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }

    void Event()
    {
        HWND window = main->GetHwnd();
        static const UINT kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_RETURN, VK_ESCAPE};
        static const UINT kControlKeys[] = {'A', 'C', 'V', 'X'};
        static const int kWheelDeltas[] = {1, -1, 120, -120, 32767, -32767};
        switch (random() % 20) {
            case 0: case 1: case 2: {
                const POINT p = RandomPoint(window);
                Log("m" + At(p));
                return kytest::MovePointer(window, p.x, p.y);
            }
            case 3: return Button(window, RandomPoint(window), true);
            case 4: return Button(window, RandomPoint(window), false);
            case 5: {
                const POINT p = RandomPoint(window);
                Log("d");
                return Click(window, p), Click(window, p);
            }
            case 6: {
                const POINT p = RandomPoint(window);
                const int delta = kWheelDeltas[random() % std::size(kWheelDeltas)];
                Log("w" + std::to_string(delta));
                return kytest::Wheel(window, p.x, p.y, delta);
            }
            case 7: case 8: return Key(kKeys[random() % std::size(kKeys)], false);
            case 9: return Key(kControlKeys[random() % std::size(kControlKeys)], true);
            case 10: {
                const std::wstring text = SampleText(random);
                Log("t" + std::to_string(text.size()) + Narrow(text.substr(0, 6)));
                return kytest::TypeText(GetFocus() ? GetFocus() : window, text.c_str());
            }
            case 11: if (random() % 10 == 0) Resize(); return;
            case 12: {
                const bool active = random() % 2;
                Log(active ? "a+" : "a-");
                return platform::input::ActivationChanged(window, active);
            }
            case 13: case 14: {
                const unsigned ms = static_cast<unsigned>(random() % 1001);
                Log("c" + std::to_string(ms));
                // With no button held down, time alone must not move the scene.
                const bool held = GetKeyState(VK_LBUTTON) < 0;
                const auto before = Scenes();
                kytest::AdvanceClock(ms);
                movedByTime = !held && Scenes() != before;
                return;
            }
            default: return ClickViewButton();
        }
    }

    std::vector<std::vector<float>> Scenes() const { return {ViewFields::Scene(main->ConvexView()), ViewFields::Scene(main->ConcaveView())}; }

    std::string NameOf(HWND window) const
    {
        const std::pair<HWND, const char*> known[] = {{main->GetHwnd(), "the main window"},
                                                      {main->ConvexView().GetHwnd(), "the convex view"},
                                                      {main->ConcaveView().GetHwnd(), "the concave view"},
                                                      {main->ModeButton(), "the mode button"}};
        for (const auto& [handle, name] : known)
            if (handle == window) return name;
        return GetParent(window) ? "a child of " + NameOf(GetParent(window)) : "another window";
    }

    std::string Step()
    {
        ++steps;
        released = movedByTime = false;
        Event();
        if (kytest::PostedMessageCount() > kMostPosted) return "posted queue holds " + std::to_string(kytest::PostedMessageCount());
        kytest::PumpUntilIdle();
        MSG pending{};
        if (PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE) && pending.message != WM_QUIT)
            return "not idle after pumping: message " + std::to_string(pending.message);
        for (std::string failure : {ViewFields::Check(main->ConvexView(), "convex"), ViewFields::Check(main->ConcaveView(), "concave")})
            if (!failure.empty()) return failure;
        if (movedByTime) return "the scene moved while time passed with no button held";
        if (IsWindowVisible(main->ConvexView().GetHwnd()) == IsWindowVisible(main->ConcaveView().GetHwnd()))
            return "not exactly one view visible";
        if (GetFocus() && !IsWindow(GetFocus())) return "focus on a dead window";
        if (HWND capture = GetCapture(); capture && (released || !IsWindow(capture))) return "capture kept by " + NameOf(capture);
        if (kytest::LiveTimerCount() > kMostTimers) return "timers " + std::to_string(kytest::LiveTimerCount());
        const unsigned gdi = kytest::LiveGdiObjectCount();
        if (steps <= kWarmUpSteps)
            gdiAfterWarmUp = std::max(gdiAfterWarmUp, gdi);
        else if (gdi > gdiAfterWarmUp)
            return "GDI objects grew to " + std::to_string(gdi) + " from " + std::to_string(gdiAfterWarmUp);
        return {};
    }

    std::string Close()
    {
        Log("close");
        CloseMain(main->GetHwnd());
        main.reset();
        const Census end = Census::Now();
        return end == start ? std::string() : "after close: " + end.Text() + " against " + start.Text();
    }

    std::mt19937_64 random;
    std::unique_ptr<KyMainWnd> main;
    Census start{};
    unsigned gdiAfterWarmUp = 0;
    std::uint64_t steps = 0;
    bool released = false, movedByTime = false;
    std::deque<std::string> log;
};

SoakRun::SoakRun(std::uint64_t seed) : walk(std::make_unique<Walk>(seed)) {}

SoakRun::~SoakRun() { if (walk->main) walk->Close(); }
std::string SoakRun::Step() { return walk->Step(); }
std::string SoakRun::Close() { return walk->Close(); }
std::uint64_t SoakRun::Steps() const { return walk->steps; }

std::string SoakRun::LogTail() const
{
    std::string tail;
    for (const std::string& entry : walk->log) tail += entry + " ";
    return tail;
}
