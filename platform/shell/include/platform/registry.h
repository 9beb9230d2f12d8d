// A read-only registry holding what the desktop tells about opening web
// pages.  Under HKEY_CLASSES_ROOT:
//
//   .htm                          default value: the file type of the
//                                 desktop's default HTML handler
//   <file type>\shell\open\command default value: that handler's command
//                                 line, the address given as "%1"
//
// The handler is looked up afresh each time a key is opened (the XDG
// mime-apps rules: mimeapps.list, then the handler's .desktop file).  With
// no usable handler, or for any other key, opening gives
// ERROR_FILE_NOT_FOUND.  Nothing can be written.
#pragma once

#include "platform/base.h"
#include "platform/shell_export.h"

#include <cstdint>

PLATFORM_DECLARE_HANDLE(HKEY);
using PHKEY = HKEY*;
using REGSAM = DWORD;
using PLONG = LONG*;

// The predefined root key, as published: 0x80000000, sign-extended.
#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000000u))))

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr REGSAM KEY_NOTIFY = 0x0010;
inline constexpr REGSAM KEY_READ = 0x00020019;

inline constexpr LONG ERROR_MORE_DATA = 234;

extern "C" {
// Opens `subKey` below `key` (null or "" opens `key` again).  Names are
// compared without regard to ASCII case.  Asking for any right beyond
// reading gives ERROR_ACCESS_DENIED.  On failure *result is null.
PLATFORM_SHELL_API LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result);

// Reads the default value of `subKey` below `key` (null or "": of `key`
// itself).  *size holds the buffer's size in bytes and receives the size of
// the value, its NUL included.  A null `data` only asks for the size.  A
// buffer too small gives ERROR_MORE_DATA, the needed size in *size and the
// buffer untouched.  A key without a default value gives
// ERROR_FILE_NOT_FOUND.
PLATFORM_SHELL_API LONG RegQueryValueA(HKEY key, LPCSTR subKey, LPSTR data, PLONG size);

// Closes a key opened by RegOpenKeyExA; closing a root key does nothing.
PLATFORM_SHELL_API LONG RegCloseKey(HKEY key);
}
