// Times the picker window's drawing steps on a real window under the real window system:
// - the pipette drag step as the message loop runs a mouse move, with normal vision and with the
//   zoom view simulating a colour-vision deficiency (pre-translation, then the handler:
//   live view, live 5 x 5 sample, marquee, both swatches and the marker; the caption and slot texts
//   follow on the next frame's timer), the cursor moving by one pixel between steps, against the one
//   StretchBlt of the view from the screen that the step cannot do without, timed in the same run
//   and interleaved with it; and again with both slots on CSS patterns (oklch(), lab());
// - a marquee tick (the animation timer's work) and a full paint of the client area;
// - a keystroke into slot 1 as the window handles it, against one into a plain edit;
// - a pipette's release against a pick at the cursor by the hot key's command (1410).
//
// Every step is timed call by call with QueryPerformanceCounter; the table gives medians, the
// 10th, 90th and 99th percentiles in microseconds. Usage: huex_picker_bench.exe [REPETITIONS]
#include "BenchProcess.h"
#include "pattern/ColorModels.h"
#include "picker/ColorPickerDialog.h"
#include "picker/Marquee.h"
#include "resource.h"
#include "win/Handles.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ole2.h>
#include <optional>
#include <string>
#include <vector>

namespace huex {
namespace {

struct Step {
    const char* name;
    std::function<void()> run;
    std::vector<double> micros{};
    std::function<void()> prepare{}; // untimed, before each call
};

struct Summary {
    double median, p10, p90, p99;
};

double ticksToMicros(LONGLONG ticks) {
    static const double perTick = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return 1e6 / static_cast<double>(frequency.QuadPart);
    }();
    return static_cast<double>(ticks) * perTick;
}

LONGLONG now() {
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    const auto at = static_cast<std::ptrdiff_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[static_cast<std::size_t>(at)];
}

Summary summarize(const std::vector<double>& micros) {
    return {quantile(micros, 0.5), quantile(micros, 0.1), quantile(micros, 0.9), quantile(micros, 0.99)};
}

// Lets the window system do what it does between two mouse moves (Wine pushes window surfaces to
// the display from its message loop), outside the timed calls.
void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// Runs the steps in turn, `repetitions` rounds, each call timed on its own; the interleaving puts
// every step under the same conditions (display load, caches, timer ticks).
void measure(std::vector<Step>& steps, int repetitions, int warmUp) {
    for (int round = -warmUp; round < repetitions; ++round) {
        for (Step& step : steps) {
            if (step.prepare) step.prepare();
            pumpMessages();
            const LONGLONG start = now();
            step.run();
            const LONGLONG end = now();
            if (round >= 0) step.micros.push_back(ticksToMicros(end - start));
        }
    }
}

void printTable(const char* title, const std::vector<Step>& steps, double reference,
                const char* referenceName) {
    std::printf("\n%s\n", title);
    std::printf("  %-58s %10s %10s %10s %10s %8s\n", "step", "median us", "p10 us", "p90 us", "p99 us",
                "ratio");
    for (const Step& step : steps) {
        const Summary s = summarize(step.micros);
        std::printf("  %-58s %10.1f %10.1f %10.1f %10.1f %7.2fx\n", step.name, s.median, s.p10, s.p90, s.p99,
                    reference > 0 ? s.median / reference : 0.0);
    }
    std::printf("  (ratio: median over the median of \"%s\")\n", referenceName);
}

// A window of vertical stripes, each column its own colour, under the cursor's path: every
// one-pixel move of the cursor then shows the pipette new pixels, as a real drag over an image does.
LRESULT CALLBACK stripesProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    for (int x = 0; x < client.right; ++x) {
        const RECT column{x, 0, x + 1, client.bottom};
        SetBkColor(dc, RGB((x * 37) & 255, 255 - ((x * 53) & 255), (x * 11) & 255));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &column, nullptr, 0, nullptr);
    }
    EndPaint(window, &paint);
    return 0;
}

HWND showStripes(int left, int top, int side) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = stripesProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HuexBenchStripes";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"",
                                  WS_POPUP | WS_VISIBLE, left, top, side, side, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    UpdateWindow(window);
    return window;
}

// A memory DC with a 32-bit bitmap of the window's client size selected, for WM_PRINTCLIENT.
class ClientCanvas {
  public:
    explicit ClientCanvas(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        memory_.reset(CreateCompatibleDC(nullptr));
        select_.emplace(memory_.get(), bitmap_.get());
    }
    [[nodiscard]] HDC dc() const { return memory_.get(); }

  private:
    win::UniqueBitmap bitmap_;
    win::UniqueMemoryDc memory_;
    std::optional<win::SelectGuard> select_;
};

// A full paint at 192 DPI, four times the pixels, against the same paint at 96 (goal: <= 2.5x).
void scaledPaint(ColorPickerDialog& picker, int repetitions, double paintAt96) {
    HWND window = picker.hwnd();
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), 0);
    const ClientCanvas canvas(window);
    HDC memory = canvas.dc();
    std::vector<Step> paint{
        {"full paint at 192 DPI, WM_PRINTCLIENT into a memory DC",
         [&] { SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT); }}};
    measure(paint, repetitions, repetitions / 10 + 1);
    printTable("Full paint at 192 DPI against 96 DPI (goal: <= 2.5x)", paint, paintAt96,
               "full paint at 96 DPI, WM_PRINTCLIENT");
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
}

// One keystroke into slot 1 as the window handles it (the edit's change parsed, swatches, marker
// and zoom frame drawn, the edit repainted with its colour request; slot 2's text follows on the
// next frame's timer, timed with the keystroke in a second row),
// against the same keystroke into a plain edit of the same size and font in a plain window.
// Each keystroke replaces the last character, so that the text always parses; each edit has the
// keyboard focus while it is typed into.
int keystrokes(ColorPickerDialog& picker, int repetitions) {
    HWND window = picker.hwnd();
    HWND slot = GetDlgItem(window, IDC_EDIT1);
    RECT bounds{};
    GetWindowRect(slot, &bounds);
    HWND plainParent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 300, 300, 60, nullptr,
                                       nullptr, nullptr, nullptr);
    HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"000000", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                 8, 8, bounds.right - bounds.left, bounds.bottom - bounds.top, plainParent,
                                 nullptr, nullptr, nullptr);
    if (!plainParent || !plain) {
        std::fprintf(stderr, "picker_bench: the plain edit could not be created\n");
        return 1;
    }
    SendMessageW(plain, WM_SETFONT, SendMessageW(slot, WM_GETFONT, 0, 0), TRUE);
    picker.state.zoomActive = 1;
    SetWindowTextW(slot, L"000000");
    SetFocus(slot); // typed text counts only in the focused slot
    pumpMessages();
    auto keystroke = [](HWND edit, HWND redrawn, bool& flip) {
        flip = !flip;
        SendMessageW(edit, EM_SETSEL, 5, 6);
        SendMessageW(edit, WM_CHAR, flip ? L'F' : L'0', 1);
        RedrawWindow(redrawn, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    bool slotFlip = false, plainFlip = false;
    // Each edit is typed into as a user types: with the keyboard focus, and so with its caret,
    // which the edit moves and redraws on every keystroke. The focus moves outside the timing.
    auto focusPlain = [&] { SetFocus(plain); };
    auto focusSlot = [&] { SetFocus(slot); };
    std::vector<Step> steps{
        {"keystroke into a plain edit (same size and font)",
         [&] { keystroke(plain, plainParent, plainFlip); },
         {},
         focusPlain},
        {"keystroke into slot 1 (parse, swatches, repaint)",
         [&] { keystroke(slot, window, slotFlip); },
         {},
         focusSlot},
        {"  with slot 2's text, which follows within a frame",
         [&] {
             keystroke(slot, window, slotFlip);
             picker.refreshColorTexts();
             RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         },
         {},
         focusSlot},
        {"  part: the change handled, nothing repainted",
         [&] {
             slotFlip = !slotFlip;
             SendMessageW(slot, EM_SETSEL, 5, 6);
             SendMessageW(slot, WM_CHAR, slotFlip ? L'F' : L'0', 1);
         }},
        {"  part: repaint of slot 1 alone",
         [&] {
             InvalidateRect(slot, nullptr, TRUE);
             UpdateWindow(slot);
         }},
        {"  part: repaint of slot 2 alone",
         [&] {
             InvalidateRect(GetDlgItem(window, IDC_EDIT2), nullptr, TRUE);
             UpdateWindow(GetDlgItem(window, IDC_EDIT2));
         }},
        {"  part: slot 2 rendered (SetWindowText of a new text)",
         [&] {
             picker.state.currentColor.red = 1 - picker.state.currentColor.red;
             picker.renderSlotText(2);
         }},
        {"  part: swatches and zoom frame drawn",
         [&] {
             const win::WindowDc dc(window);
             picker.drawColorSwatch(dc.get());
             picker.drawModifiedSwatch(dc.get());
             picker.drawSwatchMarker(dc.get());
             picker.drawZoomFrame(dc.get());
         }},
    };
    measure(steps, repetitions, repetitions / 10 + 1);
    const double reference = summarize(steps[0].micros).median;
    printTable("Keystroke in slot 1 against a plain edit (goal: <= 3x)", steps, reference, steps[0].name);
    const double ratio = summarize(steps[1].micros).median / reference;
    std::printf("  slot keystroke / plain keystroke = %.2f (%s)\n", ratio,
                ratio <= 3.0 ? "goal met" : "goal MISSED");
    DestroyWindow(plainParent);
    return 0;
}

// A user pattern as the pattern editor makes one: the model's default formats, then the analysis.
ColorPattern cssPattern(const char* name, const char* patternString) {
    ColorPattern pattern;
    pattern.name = name;
    fillDefaultFormats(pattern, patternString);
    analysePattern(pattern, patternString);
    return pattern;
}

// The drag step again with slot 1 on an oklch() pattern and slot 2 on a lab() one, whose texts
// go through the CSS colour spaces (goal: step <= 3x blit). The slots go back to their patterns.
void cssSlotsDrag(ColorPickerDialog& picker, int repetitions, const std::function<void()>& blit,
                  const std::function<void()>& step, const std::function<void()>& moveCursor) {
    const int saved1 = picker.state.pattern1, saved2 = picker.state.pattern2;
    picker.state.patterns.push_back(cssPattern("CSS oklch()", "oklch({oklchL}% {oklchC} {oklchH})"));
    picker.state.patterns.push_back(cssPattern("CSS lab()", "lab({labL}% {labA} {labB})"));
    picker.state.pattern1 = static_cast<int>(picker.state.patterns.size()) - 2;
    picker.state.pattern2 = picker.state.pattern1 + 1;
    picker.setSlotCaption(1);
    picker.setSlotCaption(2);
    picker.refreshColorTexts();
    std::vector<Step> steps{
        {"view blit: one StretchBlt from the screen (DCs held)", blit},
        {"pipette drag step, slots on oklch() and lab(), 5x5", step, {}, moveCursor},
        {"  the step that follows a refresh of the texts (once a frame)",
         step,
         {},
         [&] {
             moveCursor();
             picker.refreshColorTexts();
         }},
    };
    measure(steps, repetitions, repetitions / 10 + 1);
    const double reference = summarize(steps[0].micros).median;
    printTable("Pipette drag step with CSS slot patterns against the view blit (goal: step <= 3x blit)",
               steps, reference, steps[0].name);
    const double ratio = summarize(steps[1].micros).median / reference;
    std::printf("  drag step with CSS slots / view blit = %.2f (%s)\n", ratio,
                ratio <= 3.0 ? "goal met" : "goal MISSED");
    picker.state.pattern1 = saved1;
    picker.state.pattern2 = saved2;
    picker.setSlotCaption(1);
    picker.setSlotCaption(2);
    picker.state.patterns.resize(picker.state.patterns.size() - 2);
    picker.refreshColorTexts();
}

int run(int repetitions) {
    ColorPickerDialog picker;
    HWND window = picker.create(nullptr);
    if (!window) {
        std::fprintf(stderr, "picker_bench: the picker window could not be created\n");
        return 1;
    }
    // Away from the screen square the live view reads, so that the view shows the desktop.
    SetWindowPos(window, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    UpdateWindow(window);
    pumpMessages();

    picker.setSampleSize(ID_SAMPLE_5X5);
    HWND stripes = showStripes(60, 60, 80);
    pumpMessages();
    // A pipette drag started as the mouse starts it: a press on the pipette bar.
    const Rect& bar = picker.state.layout.pipetteBar;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.left + 10, bar.top + 10));
    picker.state.captureCenter = {100, 100};
    pumpMessages();

    const Rect& zoom = picker.state.layout.zoomRect;
    const Rect source = liveSourceRect(picker.state.magnifier, picker.state.captureCenter);
    const win::WindowDc heldDesktop(GetDesktopWindow());
    const win::WindowDc heldWindow(window);
    if (!heldDesktop || !heldWindow) {
        std::fprintf(stderr, "picker_bench: no device context\n");
        return 1;
    }
    auto viewBlit = [&](HDC target, HDC screen) {
        StretchBlt(target, zoom.left, zoom.top, zoom.width(), zoom.height(), screen, source.left, source.top,
                   source.width(), source.height(), SRCCOPY);
    };

    // One mouse move of a pipette drag as the window handles it; the cursor moves by one pixel
    // between moves (untimed), as it does under a hand.
    // The move carries the cursor's position in client coordinates, as the system's moves do.
    int nudge = 0;
    LPARAM moved = 0;
    auto moveCursor = [&] {
        nudge = 1 - nudge;
        SetCursorPos(100 + nudge, 100);
        POINT client{100 + nudge, 100};
        ScreenToClient(window, &client);
        moved = MAKELPARAM(client.x, client.y);
    };
    // A step with the zoom view simulating a vision; the steps around it run with normal vision.
    auto simulated = [&](const std::function<void()>& step) {
        picker.state.vision = Vision::protanopia;
        step();
        picker.state.vision = Vision::normal;
    };
    // The move takes the message loop's path: pre-translation (the window's own keys and the hover
    // tips' relay), then the dialog's dispatch.
    auto liveStep = [&] {
        MSG move{window, WM_MOUSEMOVE, MK_LBUTTON, moved, GetTickCount(), {100 + nudge, 100}};
        if (!picker.preTranslateMessage(move)) IsDialogMessageW(window, &move);
    };
    // A pipette's release against a pick by the hot key's command at the same place, each with the
    // repaint it asks for.
    auto release = [&] {
        MSG up{window, WM_LBUTTONUP, 0, moved, GetTickCount(), {100 + nudge, 100}};
        if (!picker.preTranslateMessage(up)) IsDialogMessageW(window, &up);
        UpdateWindow(window);
    };
    auto pick = [&](bool copies) {
        return [&picker, window, copies] {
            picker.state.hotKeys.pickCopies = copies;
            SendMessageW(window, WM_COMMAND, ID_PICK_AT_CURSOR, 0);
            UpdateWindow(window);
        };
    };
    std::vector<Step> live{
        {"pipette release (button up after a drag), window updated",
         release,
         {},
         [&] {
             moveCursor();
             picker.state.dragMode = DragMode::pipette;
         }},
        {"pick at the cursor (command 1410), window updated", pick(false), {}, moveCursor},
        {"  with slot 1's text copied to the clipboard", pick(true), {}, moveCursor},
        {"view blit: one StretchBlt from the screen (DCs held)",
         [&] { viewBlit(heldWindow.get(), heldDesktop.get()); }},
        {"view blit with GetDC of window and desktop",
         [&] {
             const win::WindowDc dc(window);
             const win::WindowDc desktop(GetDesktopWindow());
             viewBlit(dc.get(), desktop.get());
         }},
        {"pipette drag step (one mouse move), 5x5 sample", liveStep, {}, moveCursor},
        {"  the step that follows a refresh of the texts (once a frame)",
         liveStep,
         {},
         [&] {
             moveCursor();
             picker.refreshColorTexts();
         }},
        {"pipette drag step with a simulation on (protanopia), 5x5",
         [&] { simulated(liveStep); },
         {},
         moveCursor},
        {"  part: drawZoomView live, simulated (read, simulate, stretch)",
         [&] { simulated([&] { picker.drawZoomView(heldWindow.get(), true); }); }},
        {"  part: sampleLive 5x5 from the screen square",
         [&] { simulated([&] { picker.sampleLive(heldWindow.get()); }); }},
        {"  part: both slot texts re-rendered (new colour)",
         [&] {
             picker.state.currentColor.red = 1 - picker.state.currentColor.red;
             picker.renderSlotTexts();
         }},
        {"  part: caption (new position)",
         [&] {
             picker.state.captureCenter.x ^= 1;
             picker.updateCaption();
         }},
        {"  part: drawZoomView live (GetDC of desktop + StretchBlt)",
         [&] { picker.drawZoomView(heldWindow.get(), true); }},
        {"  part: sampleLive 5x5 (25 GetPixel)", [&] { picker.sampleLive(heldWindow.get()); }},
        {"  part: TTM_RELAYEVENT of a move (hover tips; none in drags)",
         [&] {
             MSG move{window, WM_MOUSEMOVE, MK_LBUTTON, moved, GetTickCount(), {100 + nudge, 100}};
             SendMessageW(picker.toolTip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
         }},
        {"  part: GetCursorPos",
         [&] {
             POINT cursor{};
             GetCursorPos(&cursor);
         }},
        {"  part: drawZoomFrame (frame + marquee)", [&] { picker.drawZoomFrame(heldWindow.get()); }},
        {"  part: drawMarquee alone", [&] { picker.drawMarquee(heldWindow.get()); }},
        {"  part: drawColorSwatch", [&] { picker.drawColorSwatch(heldWindow.get()); }},
        {"  part: drawModifiedSwatch", [&] { picker.drawModifiedSwatch(heldWindow.get()); }},
        {"  part: drawSwatchMarker", [&] { picker.drawSwatchMarker(heldWindow.get()); }},
        {"  part: drawColorSwatch, inside only", [&] { picker.drawColorSwatch(heldWindow.get(), false); }},
        {"  part: drawModifiedSwatch, inside only",
         [&] { picker.drawModifiedSwatch(heldWindow.get(), false); }},
        {"  cost floor: GetDC + ReleaseDC of the window", [&] { const win::WindowDc dc(window); }},
        {"  cost floor: GetDC + ReleaseDC of the desktop window",
         [&] { const win::WindowDc dc(GetDesktopWindow()); }},
        {"  alternative: GetDC + ReleaseDC of the screen (null)", [&] { const win::WindowDc dc(nullptr); }},
    };
    measure(live, repetitions, repetitions / 10 + 1);
    const double blit = summarize(live[0].micros).median;
    printTable("Pipette drag step against the view blit (goal: step <= 3x blit)", live, blit, live[0].name);
    const double stepRatio = summarize(live[2].micros).median / blit;
    std::printf("  drag step / view blit = %.2f (%s)\n", stepRatio,
                stepRatio <= 3.0 ? "goal met" : "goal MISSED");
    const double simulatedRatio = summarize(live[4].micros).median / blit;
    std::printf("  drag step with a simulation on / view blit = %.2f (%s)\n", simulatedRatio,
                simulatedRatio <= 3.0 ? "goal met" : "goal MISSED");

    cssSlotsDrag(
        picker, repetitions, [&] { viewBlit(heldWindow.get(), heldDesktop.get()); }, liveStep, moveCursor);

    // Outside a drag: the view is drawn from the captured image, as the timers and WM_PAINT see it.
    SendMessageW(window, WM_RBUTTONDOWN, 0, 0); // cancels the drag
    picker.captureScreen();
    const ClientCanvas canvas(window);

    auto marqueeTick = [&] {
        const win::WindowDc dc(window);
        picker.drawMarquee(dc.get());
        picker.state.marqueePhase = nextMarqueePhase(picker.state.marqueePhase, picker.state.period);
    };
    std::vector<Step> pieces{
        {"view blit: one StretchBlt from the screen (DCs held)",
         [&] { viewBlit(heldWindow.get(), heldDesktop.get()); }},
        {"marquee tick, 5x5 sample (GetDC + drawMarquee)", marqueeTick},
        {"marquee tick, 1x1 sample (GetDC + drawMarquee)",
         [&] {
             const int saved = picker.state.magnifier.sampleSize;
             picker.state.magnifier.sampleSize = 1;
             marqueeTick();
             picker.state.magnifier.sampleSize = saved;
         }},
        {"full paint on GetDC",
         [&] {
             const win::WindowDc dc(window);
             picker.paint(dc.get());
         }},
        {"full paint, WM_PRINTCLIENT into a memory DC",
         [&] { SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT); }},
    };
    measure(pieces, repetitions, repetitions / 10 + 1);
    printTable("Marquee tick and full paint (per call)", pieces, summarize(pieces[0].micros).median,
               pieces[0].name);
    DestroyWindow(stripes);
    scaledPaint(picker, repetitions, summarize(pieces[4].micros).median);
    return keystrokes(picker, repetitions);
}

} // namespace
} // namespace huex

int main(int argc, char** argv) {
    const huex::bench::BenchProcess process;
    const int repetitions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    std::printf("picker_bench: %d timed repetitions per step\n", repetitions);
    return huex::run(repetitions);
}
