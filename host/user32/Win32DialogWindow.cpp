// The window of a dialog on user32: a top-level window whose client area has the template's size
// and holds every item's control at its rectangle. Its modal run is the toolkit's own loop; the
// window that was active when it opened is disabled meanwhile.

#include "host/std/NativeToolkit.h"

#include <windows.h>

#include <vector>

#include "host/Image.h"
#include "host/std/DialogWindow.h"
#include "host/std/ToolkitState.h"
#include "host/user32/Win32Control.h"
#include "host/win32/Wide.h"

namespace host {

const wchar_t* const DialogClass = L"TarnovaDialog";

namespace {

constexpr UINT_PTR idleTimer = 1;
constexpr UINT postedMessage = WM_APP + 1;
constexpr DWORD windowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

class Win32DialogWindow : public NativeDialogWindow {
public:
    explicit Win32DialogWindow(DialogWindow& dialog) : dialog(dialog) {
        RECT frame{0, 0, dialog.GetWidth(), dialog.GetHeight()};
        AdjustWindowRectEx(&frame, windowStyle, FALSE, WS_EX_DLGMODALFRAME);
        window = CreateWindowExW(WS_EX_DLGMODALFRAME, DialogClass, Widen(dialog.GetTitle()).c_str(), windowStyle,
                                 CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    ~Win32DialogWindow() override {
        Hide();
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }

    void CreateControl(ItemRecord& record, const DialogTemplateItem* item) override {
        CreateItemControl(window, record, item);
    }

    void ReleaseControl(ItemRecord& record) override {
        SetWindowLongPtrW(Window(record), GWLP_USERDATA, 0);
    }

    void Show() override {
        owner = GetActiveWindow();
        if (owner != nullptr && owner != window) {
            EnableWindow(owner, FALSE);
        }
        Centre();
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        UpdateWindow(window);
    }

    void Hide() override {
        if (!IsWindowVisible(window)) {
            return;
        }
        if (owner != nullptr && owner != window) {
            EnableWindow(owner, TRUE);
            SetActiveWindow(owner);
        }
        owner = nullptr;
        ShowWindow(window, SW_HIDE);
    }

    void CloseAsUser() override { SendMessageW(window, WM_CLOSE, 0, 0); }

    void StartTimer(int intervalMs, std::function<void()> tick) override {
        timerTick = std::move(tick);
        SetTimer(window, idleTimer, UINT(intervalMs), nullptr);
    }

    void StopTimer() override { KillTimer(window, idleTimer); }

    void Post(std::function<void()> action) override {
        const bool waiting = bool(posted);
        posted = std::move(action);
        if (!waiting) {
            PostMessageW(window, postedMessage, 0, 0);
        }
    }

    void CancelPost() override { posted = nullptr; }

    std::optional<Point> GetPointer() const override {
        POINT pointer;
        if (!GetCursorPos(&pointer) || !ScreenToClient(window, &pointer)) {
            return std::nullopt;
        }
        return Point{std::int16_t(pointer.x), std::int16_t(pointer.y)};
    }

    // The client area as the screen shows it.
    std::unique_ptr<Image> Render() override {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const int width = dialog.GetWidth();
        const int height = dialog.GetHeight();
        HDC windowDc = GetDC(window);
        HDC memoryDc = CreateCompatibleDC(windowDc);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::unique_ptr<Image> image;
        if (bitmap != nullptr) {
            const HGDIOBJ previous = SelectObject(memoryDc, bitmap);
            BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
            GdiFlush();
            std::vector<std::uint8_t> pixels(static_cast<const std::uint8_t*>(bits),
                                             static_cast<const std::uint8_t*>(bits) + std::size_t(width) * height * 4);
            // The screen has no alpha: every pixel is opaque.
            for (std::size_t i = 3; i < pixels.size(); i += 4) {
                pixels[i] = 255;
            }
            image = std::make_unique<Image>(width, height, std::move(pixels));
            SelectObject(memoryDc, previous);
            DeleteObject(bitmap);
        }
        DeleteDC(memoryDc);
        ReleaseDC(window, windowDc);
        return image;
    }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_CLOSE:
            dialog.EndModal(DialogResponse::Cancel);
            return 0;
        case WM_COMMAND:
            if (lParam != 0) {
                HandleControlCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            }
            return 0;
        case WM_DRAWITEM:
            DrawSeparator(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_TIMER:
            if (wParam == idleTimer && timerTick) {
                timerTick();
            }
            return 0;
        case postedMessage:
            if (posted) {
                const std::function<void()> action = std::move(posted);
                posted = nullptr;
                action();
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

private:
    // In the middle of the screen's work area, as dialogs open.
    void Centre() {
        RECT frame;
        RECT area;
        GetWindowRect(window, &frame);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        SetWindowPos(window, nullptr, area.left + ((area.right - area.left) - (frame.right - frame.left)) / 2,
                     area.top + ((area.bottom - area.top) - (frame.bottom - frame.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    DialogWindow& dialog;
    HWND window = nullptr;
    HWND owner = nullptr;
    std::function<void()> timerTick;
    std::function<void()> posted;
};

LRESULT CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (dialog == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    // Nothing thrown may cross the window system's code.
    CallFromLoop([&] { result = dialog->Handle(message, wParam, lParam); });
    return result;
}

} // namespace

void RegisterDialogClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DialogProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = DialogClass;
    RegisterClassExW(&windowClass);
}

std::unique_ptr<NativeDialogWindow> CreateNativeDialogWindow(DialogWindow& dialog) {
    return std::make_unique<Win32DialogWindow>(dialog);
}

} // namespace host
