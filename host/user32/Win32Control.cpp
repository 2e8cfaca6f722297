#include "host/user32/Win32Control.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "host/CodePage.h"
#include "host/Image.h"
#include "host/MemoryHandle.h"
#include "host/ResourceTypes.h"
#include "host/Resources.h"
#include "host/gdiplus/GdiplusNative.h"
#include "host/std/ItemEvents.h"
#include "host/std/NativeToolkit.h"
#include "host/std/ToolkitState.h"
#include "host/win32/Wide.h"

namespace host {

const wchar_t* const UserItemClass = L"TarnovaUserItem";
std::optional<std::uint32_t> drivenEventTime;

namespace {

ItemRecord* RecordOf(HWND control) {
    return reinterpret_cast<ItemRecord*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

Point PointOf(LPARAM lParam) {
    return Point{std::int16_t(GET_X_LPARAM(lParam)), std::int16_t(GET_Y_LPARAM(lParam))};
}

std::uint32_t EventTime() {
    return drivenEventTime.value_or(std::uint32_t(GetMessageTime()));
}

// Paints a user item through a GDI+ graphics over its device context.
void PaintUserItem(HWND window, ItemRecord& record) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    StartGdiplus();
    NativeDrawContext context;
    context.graphics = std::make_unique<Gdiplus::Graphics>(dc);
    NotifyUserItemUpdate(record, &context);
    context.graphics.reset();
    EndPaint(window, &paint);
}

LRESULT CALLBACK UserItemProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ItemRecord* record = RecordOf(window);
    if (record != nullptr) {
        switch (message) {
        case WM_PAINT:
            PaintUserItem(window, *record);
            return 0;
        case WM_ERASEBKGND:
            return 1; // the update paints the whole item
        case WM_LBUTTONDOWN:
            // The mouse stays the item's while the button is down, so that a drag goes on outside it.
            SetCapture(window);
            NotifyMousePress(*record, PointOf(lParam), EventTime());
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == window) {
                ReleaseCapture();
            }
            return 0;
        case WM_MOUSEMOVE:
            NotifyMouseMove(*record, PointOf(lParam), (wParam & MK_LBUTTON) != 0);
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A bitmap of the image's premultiplied pixels, for controls that show one.
HBITMAP BitmapOf(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.GetWidth();
    info.bmiHeader.biHeight = -image.GetHeight(); // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        std::copy_n(image.GetPixels(), std::size_t(image.GetStride()) * std::size_t(image.GetHeight()),
                    static_cast<std::uint8_t*>(bits));
    }
    return bitmap;
}

std::vector<std::uint8_t> ResourceBytes(std::uint32_t type, std::int32_t id) {
    MemHandle handle = LoadResource(type, id);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(GetHandleData(handle));
    std::vector<std::uint8_t> copy(bytes, bytes + GetHandleSize(handle));
    DisposeHandle(handle);
    return copy;
}

// The icon of an .ico resource: the first image its directory lists.
HICON IconOf(std::int32_t id) {
    const std::vector<std::uint8_t> file = ResourceBytes(IconGroupResource, id);
    if (file.size() < 22) {
        return nullptr;
    }
    const auto read32 = [&file](std::size_t at) {
        return std::uint32_t(file[at]) | std::uint32_t(file[at + 1]) << 8 | std::uint32_t(file[at + 2]) << 16 |
               std::uint32_t(file[at + 3]) << 24;
    };
    const std::uint32_t size = read32(6 + 8);
    const std::uint32_t offset = read32(6 + 12);
    if (offset > file.size() || size > file.size() - offset) {
        return nullptr;
    }
    const int width = file[6] == 0 ? 256 : file[6];
    const int height = file[7] == 0 ? 256 : file[7];
    return CreateIconFromResourceEx(const_cast<PBYTE>(file.data() + offset), size, TRUE, 0x00030000, width,
                                    height, LR_DEFAULTCOLOR);
}

HBITMAP PictureOf(std::int32_t id) {
    const std::vector<std::uint8_t> file = ResourceBytes(BitmapResource, id);
    const std::unique_ptr<Image> image = Image::Decode(file.data(), file.size(), 0);
    return image ? BitmapOf(*image) : nullptr;
}

struct ControlShape {
    const wchar_t* windowClass;
    DWORD style;
};

ControlShape ShapeOf(DialogItemKind kind) {
    switch (kind) {
    case DialogItemKind::PushButton:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    case DialogItemKind::IconPushButton:
        return {L"BUTTON", BS_PUSHBUTTON | BS_ICON | WS_TABSTOP};
    case DialogItemKind::PopUp:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case DialogItemKind::PushCheck:
        return {L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP};
    case DialogItemKind::LeftText:
        return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS};
    case DialogItemKind::HorizontalSeparator:
    case DialogItemKind::VerticalSeparator:
        // Drawn by the dialog (DrawSeparator), so that the line keeps to the item's rectangle.
        return {L"STATIC", SS_OWNERDRAW};
    case DialogItemKind::Picture:
        return {L"STATIC", SS_BITMAP};
    }
    return {L"STATIC", 0};
}

} // namespace

void RegisterUserItemClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = UserItemProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = UserItemClass;
    RegisterClassExW(&windowClass);
}

HFONT ControlFont() {
    static const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                          DEFAULT_PITCH, L"Tahoma");
    return font;
}

HWND CreateItemControl(HWND parent, ItemRecord& record, const DialogTemplateItem* item) {
    const Rect& rect = record.rect;
    int width = rect.GetWidth();
    int height = rect.GetHeight();
    ControlShape shape{UserItemClass, 0};
    std::wstring text;
    if (item != nullptr) {
        shape = ShapeOf(item->kind);
        text = Widen(ToUtf8(item->text, CodePage::CentralEuropean));
        // A popup's window includes its opened list; a separator is at least one line.
        if (item->kind == DialogItemKind::PopUp) {
            height = std::max<int>(item->height, rect.GetHeight());
        } else if (item->kind == DialogItemKind::HorizontalSeparator ||
                   item->kind == DialogItemKind::VerticalSeparator) {
            width = std::max(width, 1);
            height = std::max(height, 1);
        }
    }
    HWND control = CreateWindowExW(0, shape.windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | shape.style,
                                   rect.GetLeft(), rect.GetTop(), width, height, parent, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
    if (item != nullptr && item->kind == DialogItemKind::IconPushButton) {
        SendMessageW(control, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(IconOf(item->resourceId)));
    } else if (item != nullptr && item->kind == DialogItemKind::Picture) {
        SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(PictureOf(item->resourceId)));
    } else if (item != nullptr && item->kind == DialogItemKind::PopUp) {
        SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1), rect.GetHeight() - 6);
    }
    record.widget = reinterpret_cast<NativeWidget*>(control);
    return control;
}

void DrawSeparator(const DRAWITEMSTRUCT& item) {
    const ItemRecord* record = RecordOf(item.hwndItem);
    RECT edge = item.rcItem;
    const bool vertical = record != nullptr && record->kind == std::int16_t(DialogItemKind::VerticalSeparator);
    DrawEdge(item.hDC, &edge, EDGE_ETCHED, vertical ? BF_LEFT : BF_TOP);
}

void HandleControlCommand(HWND control, WORD notification) {
    ItemRecord* record = RecordOf(control);
    if (record == nullptr) {
        return;
    }
    if (notification == BN_CLICKED && record->kind == std::int16_t(DialogItemKind::PushCheck)) {
        NotifyCheckChanged(*record);
    } else if (notification == BN_CLICKED) {
        NotifyButtonClicked(*record);
    } else if (notification == CBN_SELCHANGE) {
        NotifyPopUpChanged(*record);
    }
}

namespace controls {

bool IsShown(const ItemRecord& record) {
    return (GetWindowLongW(Window(record), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool IsDrawable(const ItemRecord& record) {
    return IsWindowVisible(Window(record));
}

void SetShown(ItemRecord& record, bool shown) {
    ShowWindow(Window(record), shown ? SW_SHOWNA : SW_HIDE);
}

bool IsEnabled(const ItemRecord& record) {
    return IsWindowEnabled(Window(record));
}

void SetEnabled(ItemRecord& record, bool enabled) {
    EnableWindow(Window(record), enabled);
}

void SetText(ItemRecord& record, const std::string& utf8) {
    if (record.kind != UserItemKind && record.kind != std::int16_t(DialogItemKind::PopUp)) {
        SetWindowTextW(Window(record), Widen(utf8).c_str());
    }
}

std::string GetText(const ItemRecord& record) {
    if (record.kind != std::int16_t(DialogItemKind::PushButton) &&
        record.kind != std::int16_t(DialogItemKind::PushCheck) &&
        record.kind != std::int16_t(DialogItemKind::LeftText)) {
        return {};
    }
    std::wstring text(std::size_t(GetWindowTextLengthW(Window(record))) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(Window(record), text.data(), int(text.size()))));
    return Narrow(text);
}

void SetOn(ItemRecord& record, bool on) {
    SendMessageW(Window(record), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsOn(const ItemRecord& record) {
    return SendMessageW(Window(record), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int GetItemCount(const ItemRecord& record) {
    return int(SendMessageW(Window(record), CB_GETCOUNT, 0, 0));
}

void AppendItem(ItemRecord& record) {
    SendMessageW(Window(record), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
}

void DeleteItem(ItemRecord& record, int index) {
    SendMessageW(Window(record), CB_DELETESTRING, WPARAM(index), 0);
}

void DeleteAllItems(ItemRecord& record) {
    SendMessageW(Window(record), CB_RESETCONTENT, 0, 0);
}

void SetItemText(ItemRecord& record, int index, const std::string& utf8) {
    // A combo box changes an item's text only by putting another item in its place.
    const int selected = GetSelectedItem(record);
    SendMessageW(Window(record), CB_DELETESTRING, WPARAM(index), 0);
    SendMessageW(Window(record), CB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(Widen(utf8).c_str()));
    if (selected == index) {
        SelectItem(record, index);
    }
}

std::string GetItemText(const ItemRecord& record, int index) {
    const LRESULT length = SendMessageW(Window(record), CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::wstring text(std::size_t(length) + 1, L'\0');
    SendMessageW(Window(record), CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(length));
    return Narrow(text);
}

void SelectItem(ItemRecord& record, int index) {
    SendMessageW(Window(record), CB_SETCURSEL, WPARAM(index), 0);
}

int GetSelectedItem(const ItemRecord& record) {
    const LRESULT selected = SendMessageW(Window(record), CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : int(selected);
}

void QueueRedraw(ItemRecord& record) {
    InvalidateRect(Window(record), nullptr, FALSE);
}

void ClickAsUser(ItemRecord& record) {
    SendMessageW(Window(record), BM_CLICK, 0, 0);
}

void ChooseAsUser(ItemRecord& record, int index) {
    SelectItem(record, index);
    HWND control = Window(record);
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}

void SendMouseAsUser(ItemRecord& record, MouseAction action, Point point, bool leftButtonPressed,
                     std::uint32_t time) {
    const UINT message = action == MouseAction::Press     ? WM_LBUTTONDOWN
                         : action == MouseAction::Release ? WM_LBUTTONUP
                                                          : WM_MOUSEMOVE;
    drivenEventTime = time;
    SendMessageW(Window(record), message, leftButtonPressed || action == MouseAction::Press ? MK_LBUTTON : 0,
                 MAKELPARAM(point.x, point.y));
    drivenEventTime.reset();
}

} // namespace controls

} // namespace host
