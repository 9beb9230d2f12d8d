// What the dialog manager and the built-in controls share: registering the
// built-in window classes, per-window state of a control, notifications to
// the parent, the control's font, and UTF-8 helpers.
#pragma once

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user_dialog.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace user {

// Registers the dialog class and the controls' classes once per process.
void EnsureSystemClasses();

LRESULT DialogClassProc(HWND, UINT, WPARAM, LPARAM);
LRESULT StaticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ButtonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT EditProc(HWND, UINT, WPARAM, LPARAM);
LRESULT UpDownProc(HWND, UINT, WPARAM, LPARAM);
LRESULT ToolTipProc(HWND, UINT, WPARAM, LPARAM);
LRESULT AxHostProc(HWND, UINT, WPARAM, LPARAM);

// The state of each control of one kind, by window; dropped at WM_NCDESTROY.
// Never keep the pointer across a call that may run other windows' code.
template <class T>
class StateMap {
public:
    T* Get(HWND hwnd)
    {
        const auto it = map_.find(hwnd);
        return it == map_.end() ? nullptr : it->second.get();
    }
    T& Create(HWND hwnd)
    {
        auto& slot = map_[hwnd];
        slot = std::make_unique<T>();
        return *slot;
    }
    void Erase(HWND hwnd) { map_.erase(hwnd); }

private:
    std::unordered_map<HWND, std::unique_ptr<T>> map_;
};

// WM_SETFONT and WM_GETFONT of a control whose state keeps its `font`:
// true when `message` was one of them, with `result` its answer.  WM_SETFONT
// redraws when its lParam asks to.
template <class T>
bool HandleFontMessage(StateMap<T>& states, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_SETFONT && message != WM_GETFONT)
        return false;
    T* state = states.Get(hwnd);
    result = 0;
    if (message == WM_GETFONT) {
        result = state != nullptr ? reinterpret_cast<LRESULT>(state->font) : 0;
        return true;
    }
    if (state != nullptr)
        state->font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) != 0)
        InvalidateRect(hwnd, nullptr, TRUE);
    return true;
}

// WM_COMMAND with (id, code) from `control` to its parent.
void NotifyParent(HWND control, WORD code);
// The font a control draws with (WM_SETFONT), or the stock GUI font.
HFONT ControlFont(HFONT chosen);
// Fills with the brush the parent gives for WM_CTLCOLOR* (or the system
// colour when it gives none) and leaves the DC's text colours as the parent
// set them.
void FillControlBackground(HWND control, HDC dc, UINT ctlColorMessage, const RECT& rect, int fallbackColor);
// A frame of `width` pixels inside `rect`.
void FrameWithColor(HDC dc, const RECT& rect, int sysColor, int width = 1);
void FillWithColor(HDC dc, const RECT& rect, int sysColor);

// UTF-8: the length of the sequence a lead byte starts (1 for stray bytes),
// and the boundaries of the character before or after a byte offset.
int Utf8SequenceLength(unsigned char lead);
std::size_t Utf8Prev(const std::string& s, std::size_t pos);
std::size_t Utf8Next(const std::string& s, std::size_t pos);
std::size_t Utf8Count(const std::string& s);
// The longest prefix of at most `bytes` bytes that ends on a character boundary.
std::size_t Utf8FitBytes(const std::string& s, std::size_t bytes);

// Copies `text` into a WM_GETTEXT buffer; returns the bytes copied.
LRESULT CopyTextOut(const std::string& text, WPARAM size, LPARAM buffer);

} // namespace user
