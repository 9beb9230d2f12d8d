// The client's resource tables: dialog templates, menus, strings, and the
// bitmaps, icons and cursor the build embedded into the program, registered
// with the user layer at start so that calls naming a resource id (CDialog
// templates, LoadMenu, LoadString, LoadBitmap, LoadIcon, LoadCursor) find
// them.
#pragma once

// Registers templates 102, 138 and 174, menus 139 to 141, string 103, and
// the embedded bitmaps, icons and cursor.  Returns the number of embedded
// resources registered.
int RegisterQuillpostResources();
