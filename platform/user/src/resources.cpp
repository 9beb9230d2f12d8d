// Resource tables and the calls that read them (LoadStringA, LoadBitmapA);
// icons and cursors are decoded by icons.cpp and cursors.cpp.
#include "resources.h"

#include "controls.h"
#include "icons.h"
#include "platform/gdi.h"

#include <cstring>
#include <map>
#include <vector>

namespace user {
namespace {

struct Tables {
    std::map<WORD, UserDialogTemplate> dialogs;
    std::map<WORD, UserMenuTemplate> menus;
    std::map<UINT, std::string> strings;
    std::map<WORD, std::vector<std::uint8_t>> bitmaps;
    std::map<WORD, std::vector<std::uint8_t>> icons;
    std::map<WORD, std::vector<std::uint8_t>> cursors;
};

Tables& T()
{
    static Tables tables;
    return tables;
}

// Rows of a DIB are padded to four bytes.
std::uint64_t Stride(std::uint64_t width, unsigned bitCount) { return ((width * bitCount + 31) / 32) * 4; }

const std::vector<std::uint8_t>* Find(const std::map<WORD, std::vector<std::uint8_t>>& table, WORD id)
{
    const auto it = table.find(id);
    return it == table.end() ? nullptr : &it->second;
}

void Store(std::map<WORD, std::vector<std::uint8_t>>& table, WORD id, const void* file, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(file);
    if (bytes == nullptr)
        size = 0;
    table[id].assign(bytes, bytes + size);
}

} // namespace

HBITMAP BitmapFromFile(std::span<const std::uint8_t> file)
{
    BITMAPFILEHEADER fh{};
    BITMAPINFOHEADER ih{};
    if (file.size() < sizeof fh + sizeof ih)
        return nullptr;
    std::memcpy(&fh, file.data(), sizeof fh);
    std::memcpy(&ih, file.data() + sizeof fh, sizeof ih);
    if (fh.bfType != 0x4D42 || ih.biSize < sizeof ih || ih.biSize > file.size() - sizeof fh)
        return nullptr;
    if (ih.biWidth <= 0 || ih.biHeight == 0 || ih.biHeight == INT32_MIN || ih.biPlanes != 1)
        return nullptr;
    const unsigned bits = ih.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return nullptr;
    if (ih.biCompression != BI_RGB && !(ih.biCompression == BI_BITFIELDS && (bits == 16 || bits == 32)))
        return nullptr;
    std::uint64_t colors = 0;
    if (bits <= 8)
        colors = ih.biClrUsed != 0 ? ih.biClrUsed : (1u << bits);
    if (colors > 256)
        return nullptr;
    const std::uint64_t masks = ih.biCompression == BI_BITFIELDS && ih.biSize == sizeof ih ? 12 : 0;
    const std::uint64_t infoSize = ih.biSize + masks + colors * sizeof(RGBQUAD);
    if (sizeof fh + infoSize > file.size())
        return nullptr;
    const std::uint64_t height = ih.biHeight < 0 ? -static_cast<std::int64_t>(ih.biHeight) : ih.biHeight;
    const std::uint64_t imageSize = Stride(static_cast<std::uint64_t>(ih.biWidth), bits) * height;
    if (imageSize > (std::uint64_t{1} << 31) || fh.bfOffBits > file.size() ||
        imageSize > file.size() - fh.bfOffBits)
        return nullptr;
    // A copy keeps the header aligned for the GDI.
    std::vector<std::uint32_t> info((infoSize + 3) / 4);
    std::memcpy(info.data(), file.data() + sizeof fh, infoSize);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                      &pixels, nullptr, 0);
    if (bitmap == nullptr || pixels == nullptr) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(pixels, file.data() + fh.bfOffBits, imageSize);
    return bitmap;
}

const std::vector<std::uint8_t>* FindBitmapResource(WORD id) { return Find(T().bitmaps, id); }
const std::vector<std::uint8_t>* FindIconResource(WORD id) { return Find(T().icons, id); }
const std::vector<std::uint8_t>* FindCursorResource(WORD id) { return Find(T().cursors, id); }

const UserMenuTemplate* FindMenuTemplate(WORD id)
{
    const auto it = T().menus.find(id);
    return it == T().menus.end() ? nullptr : &it->second;
}

bool ResourceId(LPCSTR name, WORD& id)
{
    if (name == nullptr || !IS_INTRESOURCE(name))
        return false;
    id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
    return true;
}

} // namespace user

using namespace user;

void UserRegisterDialogTemplate(WORD id, const UserDialogTemplate& dialogTemplate) { T().dialogs[id] = dialogTemplate; }

const UserDialogTemplate* UserFindDialogTemplate(WORD id)
{
    const auto it = T().dialogs.find(id);
    return it == T().dialogs.end() ? nullptr : &it->second;
}

void UserRegisterMenuTemplate(WORD id, const UserMenuTemplate& menuTemplate) { T().menus[id] = menuTemplate; }

void UserRegisterString(UINT id, const std::string& utf8) { T().strings[id] = utf8; }

void UserRegisterBitmapResource(WORD id, const void* bmpFile, std::size_t size) { Store(T().bitmaps, id, bmpFile, size); }

void UserRegisterIconResource(WORD id, const void* file, std::size_t size) { Store(T().icons, id, file, size); }

void UserRegisterCursorResource(WORD id, const void* file, std::size_t size) { Store(T().cursors, id, file, size); }

void UserClearResources()
{
    T() = Tables{};
    ForgetSharedImages();
}

extern "C" {

int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size)
{
    if (buffer == nullptr || size < 0)
        return 0;
    const auto it = T().strings.find(id);
    if (it == T().strings.end()) {
        if (size > 0)
            buffer[0] = '\0';
        return 0;
    }
    const std::string& text = it->second;
    if (size == 0) {
        // The caller receives a pointer to the table's own read-only copy.
        const char* data = text.c_str();
        std::memcpy(buffer, &data, sizeof data);
        return static_cast<int>(text.size());
    }
    return static_cast<int>(CopyTextOut(text, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

HBITMAP LoadBitmapA(HINSTANCE, LPCSTR name)
{
    WORD id = 0;
    if (!ResourceId(name, id))
        return nullptr;
    const std::vector<std::uint8_t>* file = FindBitmapResource(id);
    return file == nullptr ? nullptr : BitmapFromFile(*file);
}

} // extern "C"
