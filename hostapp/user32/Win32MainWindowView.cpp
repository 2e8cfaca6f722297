#include "hostapp/MainWindowView.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <filesystem>
#include <utility>

#include "host/win32/Wide.h"

namespace {

constexpr int ImageSize = 48;
constexpr int Margin = 10;
constexpr int HeadingHeight = 18;
constexpr int LineHeight = 18;
constexpr int FolderListHeight = 80;
constexpr UINT QuitCommand = 1;
constexpr UINT FirstAddOnCommand = 1000;
const wchar_t* const WindowClass = L"TarnovaAddOnHostWindow";

COLORREF ColourOf(const std::array<double, 3>& surface) {
    std::array<BYTE, 3> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = BYTE(std::lround(std::clamp(surface[i], 0.0, 1.0) * 255.0));
    }
    return RGB(bytes[0], bytes[1], bytes[2]);
}

// A bitmap of the image list's size, filled with `fill` and framed in grey.
HBITMAP BlankImage(HDC screen, COLORREF fill) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, ImageSize, ImageSize);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(fill);
    const RECT all{0, 0, ImageSize, ImageSize};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    FrameRect(dc, &all, HBRUSH(GetStockObject(GRAY_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

// The texture file shrunk, keeping its aspect, into a framed square; null when it cannot be read.
HBITMAP Thumbnail(HDC screen, const std::string& path) {
    auto* texture = static_cast<HBITMAP>(
        LoadImageW(nullptr, host::Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (texture == nullptr) {
        return nullptr;
    }
    BITMAP size{};
    GetObjectW(texture, sizeof size, &size);
    HBITMAP thumbnail = BlankImage(screen, GetSysColor(COLOR_WINDOW));
    const double scale = double(ImageSize - 2) / std::max<LONG>({size.bmWidth, size.bmHeight, 1});
    const int width = std::max(1, int(std::lround(size.bmWidth * scale)));
    const int height = std::max(1, int(std::lround(size.bmHeight * scale)));
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HGDIOBJ oldSource = SelectObject(source, texture);
    HGDIOBJ oldTarget = SelectObject(target, thumbnail);
    SetStretchBltMode(target, HALFTONE);
    StretchBlt(target, (ImageSize - width) / 2, (ImageSize - height) / 2, width, height, source, 0, 0,
               size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteDC(source);
    DeleteDC(target);
    DeleteObject(texture);
    return thumbnail;
}

class Win32MainWindowView final : public MainWindowView {
public:
    Win32MainWindowView(const std::vector<HostMenu>& menus, Actions actions);
    ~Win32MainWindowView() override;

    void Refresh(const MainWindowContent& content) override;
    void Show() override { ShowWindow(window, SW_SHOW); }
    void Hide() override { ShowWindow(window, SW_HIDE); }
    void HandleNextEvent() override;
    void ShowError(const std::string& message) override;

private:
    struct CommandBinding {
        std::int16_t menuId;
        std::int16_t item;
    };

    static void RegisterWindowClass();
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL WINAPI OnConsoleControl(DWORD event);

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    HMENU BuildMenuBar(const std::vector<HostMenu>& menus);
    HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, HFONT font);
    void Layout();
    void ShowPrompt(WPARAM wParam);
    void FillMaterials(const std::vector<HostMaterial>& materials);
    void FillLibraryFolders(const std::vector<std::string>& folders);

    static Win32MainWindowView* interrupted;

    Actions actions;
    HWND window = nullptr;
    HMENU menuBar = nullptr;
    HFONT font = nullptr;
    HFONT boldFont = nullptr;
    HWND statusBar = nullptr;
    HWND nameLabel = nullptr;
    HWND descriptionLabel = nullptr;
    HWND materialsHeading = nullptr;
    HWND materialList = nullptr;
    HWND foldersHeading = nullptr;
    HWND folderList = nullptr;
    HIMAGELIST images = nullptr;
    std::vector<CommandBinding> commands;
    // Prompts by command id, and by the menu bar position of the add-on's menus.
    std::vector<std::wstring> commandPrompts;
    std::vector<std::wstring> menuPrompts;
    std::exception_ptr kept;
};

Win32MainWindowView* Win32MainWindowView::interrupted = nullptr;

void Win32MainWindowView::RegisterWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClass;
    RegisterClassExW(&windowClass);
}

Win32MainWindowView::Win32MainWindowView(const std::vector<HostMenu>& menus, Actions actions)
    : actions(std::move(actions)) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterWindowClass();

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font = CreateFontIndirectW(&metrics.lfMessageFont);
    metrics.lfMessageFont.lfWeight = FW_BOLD;
    boldFont = CreateFontIndirectW(&metrics.lfMessageFont);

    menuBar = BuildMenuBar(menus);
    window = CreateWindowExW(0, WindowClass, L"Corvenna (addon-host)", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                             CW_USEDEFAULT, CW_USEDEFAULT, 720, 560, nullptr, menuBar, GetModuleHandleW(nullptr),
                             this);
    statusBar = Child(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, font);
    nameLabel = Child(L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS, boldFont);
    descriptionLabel = Child(L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS, font);
    materialsHeading = Child(L"STATIC", L"Materials", SS_LEFTNOWORDWRAP, boldFont);
    materialList = Child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL | WS_BORDER | WS_VSCROLL,
                         font);
    foldersHeading = Child(L"STATIC", L"Loaded library folders", SS_LEFTNOWORDWRAP, boldFont);
    folderList = Child(L"LISTBOX", L"", LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_BORDER | WS_VSCROLL, font);

    ListView_SetExtendedListViewStyle(materialList, LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
    images = ImageList_Create(ImageSize, ImageSize, ILC_COLOR24, 8, 8);
    ListView_SetImageList(materialList, images, LVSIL_SMALL);
    const std::array<std::pair<const wchar_t*, int>, 2> columns{{{L"Material", 330}, {L"Texture", 330}}};
    for (int i = 0; i < int(columns.size()); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(columns[i].first);
        column.cx = columns[i].second;
        ListView_InsertColumn(materialList, i, &column);
    }

    // Interrupted at its console, the host quits as through its menu, releasing the add-on.
    interrupted = this;
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    Layout();
}

Win32MainWindowView::~Win32MainWindowView() {
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    interrupted = nullptr;
    DestroyWindow(window);
    ImageList_Destroy(images);
    DeleteObject(font);
    DeleteObject(boldFont);
}

HWND Win32MainWindowView::Child(const wchar_t* className, const wchar_t* text, DWORD style, HFONT childFont) {
    HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, WPARAM(childFont), FALSE);
    return child;
}

HMENU Win32MainWindowView::BuildMenuBar(const std::vector<HostMenu>& menus) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, QuitCommand, L"&Quit");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(file), L"&File");
    menuPrompts.emplace_back();
    // Menu texts mark their mnemonics with "&", as Windows menus do.
    for (const HostMenu& menu : menus) {
        HMENU popup = CreatePopupMenu();
        for (std::size_t i = 1; i < menu.texts.size(); ++i) {
            const UINT id = FirstAddOnCommand + UINT(commands.size());
            commands.push_back({menu.menuStringsId, std::int16_t(i)});
            commandPrompts.push_back(i < menu.prompts.size() ? host::Widen(menu.prompts[i]) : std::wstring());
            AppendMenuW(popup, MF_STRING, id, host::Widen(menu.texts[i]).c_str());
        }
        AppendMenuW(bar, MF_POPUP, UINT_PTR(popup), host::Widen(menu.texts.front()).c_str());
        menuPrompts.push_back(menu.prompts.empty() ? std::wstring() : host::Widen(menu.prompts.front()));
    }
    return bar;
}

void Win32MainWindowView::Layout() {
    SendMessageW(statusBar, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(window, &client);
    RECT status{};
    GetWindowRect(statusBar, &status);
    const int width = std::max<int>(0, client.right - 2 * Margin);
    const int bottom = client.bottom - (status.bottom - status.top) - Margin;
    int y = Margin;
    const auto place = [&](HWND child, int height) {
        MoveWindow(child, Margin, y, width, height, TRUE);
        y += height;
    };
    place(nameLabel, LineHeight);
    place(descriptionLabel, LineHeight);
    y += Margin;
    place(materialsHeading, HeadingHeight);
    place(materialList, std::max(ImageSize, bottom - y - Margin - HeadingHeight - FolderListHeight));
    y += Margin;
    place(foldersHeading, HeadingHeight);
    place(folderList, FolderListHeight);
}

void Win32MainWindowView::Refresh(const MainWindowContent& content) {
    SetWindowTextW(nameLabel, host::Widen(content.name).c_str());
    SetWindowTextW(descriptionLabel, host::Widen(content.description).c_str());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        EnableMenuItem(menuBar, FirstAddOnCommand + UINT(i),
                       MF_BYCOMMAND | (content.hasCommand(commands[i].menuId) ? MF_ENABLED : MF_GRAYED));
    }
    FillMaterials(content.materials);
    FillLibraryFolders(content.libraryFolders);
}

void Win32MainWindowView::FillMaterials(const std::vector<HostMaterial>& materials) {
    ListView_DeleteAllItems(materialList);
    ImageList_RemoveAll(images);
    HDC screen = GetDC(nullptr);
    for (const HostMaterial& material : materials) {
        const auto addImage = [&](HBITMAP bitmap) {
            const int index = bitmap != nullptr ? ImageList_Add(images, bitmap, nullptr) : I_IMAGENONE;
            DeleteObject(bitmap);
            return index;
        };
        std::wstring name = host::Widen(material.name);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = ListView_GetItemCount(materialList);
        item.pszText = name.data();
        item.iImage = addImage(BlankImage(screen, ColourOf(material.surface)));
        item.iItem = ListView_InsertItem(materialList, &item);

        std::wstring file = material.texture ? std::filesystem::path(host::Widen(*material.texture)).filename().wstring()
                                             : std::wstring(L"no texture");
        item.iSubItem = 1;
        item.pszText = file.data();
        item.iImage = material.texture ? addImage(Thumbnail(screen, *material.texture)) : I_IMAGENONE;
        ListView_SetItem(materialList, &item);
    }
    ReleaseDC(nullptr, screen);
}

void Win32MainWindowView::FillLibraryFolders(const std::vector<std::string>& folders) {
    SendMessageW(folderList, LB_RESETCONTENT, 0, 0);
    for (const std::string& folder : folders) {
        SendMessageW(folderList, LB_ADDSTRING, 0, LPARAM(host::Widen(folder).c_str()));
    }
}

void Win32MainWindowView::ShowPrompt(WPARAM wParam) {
    const UINT id = LOWORD(wParam);
    const std::wstring* prompt = nullptr;
    if ((HIWORD(wParam) & MF_POPUP) != 0) {
        prompt = id < menuPrompts.size() ? &menuPrompts[id] : nullptr;
    } else if (id >= FirstAddOnCommand && id - FirstAddOnCommand < commandPrompts.size()) {
        prompt = &commandPrompts[id - FirstAddOnCommand];
    }
    SetWindowTextW(statusBar, prompt != nullptr ? prompt->c_str() : L"");
}

void Win32MainWindowView::HandleNextEvent() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (kept) {
        std::rethrow_exception(std::exchange(kept, nullptr));
    }
}

void Win32MainWindowView::ShowError(const std::string& message) {
    MessageBoxW(window, host::Widen(message).c_str(), L"Corvenna (addon-host)", MB_OK | MB_ICONERROR);
}

LRESULT Win32MainWindowView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_MENUSELECT:
        ShowPrompt(wParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == QuitCommand) {
            actions.close();
        } else if (LOWORD(wParam) >= FirstAddOnCommand && LOWORD(wParam) - FirstAddOnCommand < commands.size()) {
            const CommandBinding& command = commands[LOWORD(wParam) - FirstAddOnCommand];
            actions.chooseCommand(command.menuId, command.item);
        }
        return 0;
    case WM_CLOSE:
        actions.close();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// What the window's owner throws is kept and thrown again out of HandleNextEvent, once Windows'
// own code is no longer on the stack.
LRESULT CALLBACK Win32MainWindowView::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* view = static_cast<Win32MainWindowView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        view->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(view));
    }
    auto* view = reinterpret_cast<Win32MainWindowView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (view == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return view->Handle(message, wParam, lParam);
    } catch (...) {
        if (!view->kept) {
            view->kept = std::current_exception();
        }
        return 0;
    }
}

// Runs on a thread of its own, so it only asks the window to close.
BOOL WINAPI Win32MainWindowView::OnConsoleControl(DWORD event) {
    if (interrupted == nullptr || (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)) {
        return FALSE;
    }
    PostMessageW(interrupted->window, WM_CLOSE, 0, 0);
    return TRUE;
}

} // namespace

std::unique_ptr<MainWindowView> MainWindowView::Create(const std::vector<HostMenu>& menus, Actions actions) {
    return std::make_unique<Win32MainWindowView>(menus, std::move(actions));
}
