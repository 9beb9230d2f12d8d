// The client's resource tables: dialog templates, menus, strings and
// bitmaps, registered with the user layer at start so that calls naming a
// resource id (CDialog templates, LoadMenu, LoadString, LoadBitmap) find them.
#pragma once

// Registers templates 102, 138 and 174, menus 139 to 141, string 103 and the
// skin bitmaps.  The bitmaps are read from the files `bitmap_<id>.bmp` in
// `artworkDir` (the build's generated artwork); a bitmap whose file is
// missing or unreadable is skipped, so LoadBitmap of that id finds nothing.
// `artworkDir` may be null or empty, in which case no bitmap is registered.
// Returns the number of bitmaps registered.
int RegisterQuillpostResources(const char* artworkDir);
