// The process's resource tables: dialog templates, menu templates, strings,
// bitmaps, icons and cursors, registered by id.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/user_dialog.h"
#include "platform/user_menu.h"

namespace user {

const UserMenuTemplate* FindMenuTemplate(WORD id);
// A resource name that is an integer id; false for string names.
bool ResourceId(LPCSTR name, WORD& id);

// The registered file contents of a resource; null when there is none.
const std::vector<std::uint8_t>* FindBitmapResource(WORD id);
const std::vector<std::uint8_t>* FindIconResource(WORD id);
const std::vector<std::uint8_t>* FindCursorResource(WORD id);

// A DIB section from the contents of a .bmp file; null when the file is
// not an uncompressed bitmap whose parts all lie inside `file`.
HBITMAP BitmapFromFile(std::span<const std::uint8_t> file);

} // namespace user
