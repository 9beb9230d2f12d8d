// Icons: handles to ARGB images, loaded from the program's icon resources,
// from files or from the system's own set, and drawn onto device contexts.
// LoadImageA lives here because icons, cursors and bitmaps share its rules
// for sizes, files and sharing.
#include "icons.h"

#include "cursors.h"
#include "icon_image.h"
#include "image_table.h"
#include "resources.h"
#include "runtime.h"

#include "platform/gdi.h"

#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace user {
namespace {

ImageTable<HICON>& Icons()
{
    // Never destroyed: icons may be asked for while other statics go away.
    static auto* table = new ImageTable<HICON>(0x30010);
    return *table;
}

// (type, from a file, resource id or file name, width, height) of a shared
// image: each is loaded once and then given out again.
using SharedKey = std::tuple<UINT, bool, std::string, int, int>;

std::map<SharedKey, HANDLE>& SharedImages()
{
    static auto* images = new std::map<SharedKey, HANDLE>();
    return *images;
}

// Image files a program loads are small; a larger file is refused before
// it is read.
constexpr std::streamoff kMaxImageFile = 16 * 1024 * 1024;

bool ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0 || size > kMaxImageFile)
        return false;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

// The bytes an image is loaded from: a file, or the program's resource of
// the kind `type`.  False when there are none.
bool SourceBytes(LPCSTR name, UINT type, UINT flags, std::vector<std::uint8_t>& bytes)
{
    if (flags & LR_LOADFROMFILE)
        return !IS_INTRESOURCE(name) && ReadWholeFile(name, bytes);
    WORD id = 0;
    if (!ResourceId(name, id))
        return false;
    const std::vector<std::uint8_t>* resource = type == IMAGE_BITMAP ? FindBitmapResource(id)
                                                : type == IMAGE_ICON ? FindIconResource(id)
                                                                     : FindCursorResource(id);
    if (resource == nullptr)
        return false;
    bytes = *resource;
    return true;
}

HBITMAP LoadBitmapImage(std::span<const std::uint8_t> bytes, int cx, int cy)
{
    const HBITMAP natural = BitmapFromFile(bytes);
    BITMAP info{};
    if (natural == nullptr || GetObjectA(natural, sizeof info, &info) == 0)
        return natural;
    if ((cx == 0 || cx == info.bmWidth) && (cy == 0 || cy == info.bmHeight))
        return natural;
    // Stretched into a 32-bit DIB section of the size asked for.
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = cx != 0 ? cx : info.bmWidth;
    header.bmiHeader.biHeight = -(cy != 0 ? cy : info.bmHeight);
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    const HBITMAP sized = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &pixels, nullptr, 0);
    const HDC from = CreateCompatibleDC(nullptr);
    const HDC to = CreateCompatibleDC(nullptr);
    if (sized != nullptr && from != nullptr && to != nullptr) {
        const HGDIOBJ oldFrom = SelectObject(from, natural);
        const HGDIOBJ oldTo = SelectObject(to, sized);
        StretchBlt(to, 0, 0, header.bmiHeader.biWidth, -header.bmiHeader.biHeight, from, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    }
    if (from != nullptr)
        DeleteDC(from);
    if (to != nullptr)
        DeleteDC(to);
    DeleteObject(natural);
    return sized;
}

// An icon or cursor image from the system's set (no module) or from bytes.
bool LoadIconImage(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags,
                   platform::CursorImage& image)
{
    if (instance == nullptr && !(flags & LR_LOADFROMFILE)) {
        if (!IS_INTRESOURCE(name))
            return false;
        const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
        const int size = cx > 0 ? cx : kSystemIconSize;
        if (type != IMAGE_ICON || !SystemIconImage(id, size, image))
            return false;
        if (cy > 0 && cy != size)
            image = ScaleImage(image, size, cy);
        return true;
    }
    std::vector<std::uint8_t> bytes;
    return SourceBytes(name, type, flags, bytes) && DecodeIconFile(bytes, cx, cy, image);
}

HANDLE MakeHandle(UINT type, platform::CursorImage image, bool shared)
{
    if (type == IMAGE_CURSOR)
        return AddCursorObject(std::move(image), shared);
    return Icons().Add(std::move(image), shared);
}

std::uint8_t Channel(std::uint32_t value, int shift) { return static_cast<std::uint8_t>((value >> shift) & 0xFF); }

} // namespace

void ForgetSharedImages() { SharedImages().clear(); }

} // namespace user

using namespace user;

extern "C" {

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    if (name == nullptr || cx < 0 || cy < 0 || cx > 256 * 16 || cy > 256 * 16 ||
        (type != IMAGE_BITMAP && type != IMAGE_ICON && type != IMAGE_CURSOR)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (type == IMAGE_BITMAP) {
        // Bitmaps are always DIB sections here; LR_CREATEDIBSECTION is implied.
        std::vector<std::uint8_t> bytes;
        if (instance == nullptr && !(flags & LR_LOADFROMFILE))
            return nullptr; // the system's bitmaps (OBM_...) are not drawn here
        if (!SourceBytes(name, type, flags, bytes)) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return nullptr;
        }
        return LoadBitmapImage(bytes, cx, cy);
    }
    if (cx > 256 || cy > 256) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (flags & LR_DEFAULTSIZE) {
        cx = cx != 0 ? cx : kSystemIconSize;
        cy = cy != 0 ? cy : kSystemIconSize;
    }
    if (type == IMAGE_CURSOR && instance == nullptr && !(flags & LR_LOADFROMFILE))
        return LoadCursorA(nullptr, name); // the standard shapes are shared already

    const bool shared = (flags & LR_SHARED) != 0;
    SharedKey key;
    if (shared) {
        const std::string source = IS_INTRESOURCE(name)
                                       ? "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name)) +
                                             (instance == nullptr ? "s" : "")
                                       : std::string(name);
        key = SharedKey{type, (flags & LR_LOADFROMFILE) != 0, source, cx, cy};
        const auto it = SharedImages().find(key);
        if (it != SharedImages().end())
            return it->second;
    }
    platform::CursorImage image;
    if (!LoadIconImage(instance, name, type, cx, cy, flags, image)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const HANDLE handle = MakeHandle(type, std::move(image), shared);
    if (shared && handle != nullptr)
        SharedImages().emplace(key, handle);
    return handle;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name)
{
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
}

BOOL DestroyIcon(HICON icon) { return Icons().Destroy(icon) ? TRUE : FALSE; }

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH flickerFree, UINT flags)
{
    const platform::CursorImage* object = Icons().Find(icon);
    if (object == nullptr || dc == nullptr || (flags & DI_NORMAL) == 0 || cx < 0 || cy < 0)
        return FALSE;
    const int fallbackW = (flags & DI_DEFAULTSIZE) ? kSystemIconSize : object->width;
    const int fallbackH = (flags & DI_DEFAULTSIZE) ? kSystemIconSize : object->height;
    const int width = cx != 0 ? cx : fallbackW;
    const int height = cy != 0 ? cy : fallbackH;
    if (width > 4096 || height > 4096)
        return FALSE;
    if (flickerFree != nullptr) {
        const RECT cell{x, y, x + width, y + height};
        FillRect(dc, &cell, flickerFree);
    }
    // Icons are small and drawn seldom, so they go pixel by pixel through
    // the DC: its clipping, mapping to the surface and pixel format apply.
    const platform::CursorImage image = ScaleImage(*object, width, height);
    const bool colours = (flags & DI_IMAGE) != 0;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const std::uint32_t argb = image.argb[static_cast<std::size_t>(row) * width + col];
            const std::uint8_t alpha = Channel(argb, 24);
            if (!colours) {
                SetPixel(dc, x + col, y + row, alpha >= 128 ? RGB(0, 0, 0) : RGB(255, 255, 255));
                continue;
            }
            if (alpha == 0)
                continue;
            std::uint8_t r = Channel(argb, 16), g = Channel(argb, 8), b = Channel(argb, 0);
            if (alpha != 255) {
                const COLORREF under = GetPixel(dc, x + col, y + row);
                if (under == CLR_INVALID)
                    continue; // outside the surface or the clip
                const auto mix = [alpha](std::uint8_t over, std::uint8_t back) {
                    return static_cast<std::uint8_t>((over * alpha + back * (255 - alpha) + 127) / 255);
                };
                r = mix(r, GetRValue(under));
                g = mix(g, GetGValue(under));
                b = mix(b, GetBValue(under));
            }
            SetPixel(dc, x + col, y + row, RGB(r, g, b));
        }
    }
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }

} // extern "C"

bool UserGetIconImage(HICON icon, platform::CursorImage& image)
{
    const platform::CursorImage* object = Icons().Find(icon);
    if (object == nullptr)
        return false;
    image = *object;
    return true;
}
