// The single-line EDIT control: typing (UTF-8 arrives byte by byte as
// WM_CHAR), caret and selection, ES_NUMBER, the text limit, horizontal
// scrolling, EN_CHANGE.
#include "controls.h"

#include <algorithm>
#include <cctype>

namespace user {
namespace {

constexpr int kMargin = 2;

struct EditState {
    HFONT font = nullptr;
    std::string text;
    std::size_t anchor = 0; // selection: anchor .. caret, byte offsets
    std::size_t caret = 0;
    std::size_t limit = 30000; // characters
    std::string pending;    // an incomplete UTF-8 sequence being typed
    int scroll = 0;         // pixels scrolled to the left
    bool focused = false;
    bool modified = false;
    bool selecting = false; // left button held
};

StateMap<EditState>& States()
{
    static StateMap<EditState> states;
    return states;
}

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

std::size_t SelStart(const EditState& s) { return std::min(s.anchor, s.caret); }
std::size_t SelEnd(const EditState& s) { return std::max(s.anchor, s.caret); }

int TextWidth(HWND hwnd, const EditState& s, std::size_t bytes)
{
    if (bytes == 0)
        return 0;
    HDC dc = GetDC(hwnd);
    if (dc == nullptr)
        return 0;
    const HGDIOBJ old = SelectObject(dc, ControlFont(s.font));
    SIZE size{};
    GetTextExtentPoint32A(dc, s.text.data(), static_cast<int>(bytes), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return size.cx;
}

int Room(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return std::max(0, static_cast<int>(rc.right - rc.left) - 2 * kMargin);
}

void KeepCaretVisible(HWND hwnd, EditState& s)
{
    const int x = TextWidth(hwnd, s, s.caret);
    const int room = Room(hwnd);
    if (x - s.scroll > room)
        s.scroll = x - room + room / 4;
    if (x < s.scroll)
        s.scroll = std::max(0, x - room / 4);
}

void Changed(HWND hwnd)
{
    if (EditState* s = States().Get(hwnd)) {
        s->modified = true;
        KeepCaretVisible(hwnd, *s);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

// Replaces the selection with `insert`; false (and a beep) when the
// control refuses it.
bool ReplaceSelection(HWND hwnd, EditState& s, std::string insert, bool byUser)
{
    const DWORD style = Style(hwnd);
    if (byUser && (style & ES_READONLY) != 0) {
        MessageBeep(0);
        return false;
    }
    if ((style & ES_UPPERCASE) != 0 || (style & ES_LOWERCASE) != 0)
        for (char& c : insert)
            c = static_cast<char>((style & ES_UPPERCASE) != 0 ? std::toupper(static_cast<unsigned char>(c))
                                                               : std::tolower(static_cast<unsigned char>(c)));
    const std::size_t start = SelStart(s);
    const std::size_t end = SelEnd(s);
    std::string next = s.text.substr(0, start) + insert + s.text.substr(end);
    if (Utf8Count(next) > s.limit) {
        NotifyParent(hwnd, EN_MAXTEXT);
        return false;
    }
    if (byUser && (style & ES_AUTOHSCROLL) == 0) {
        // Without scrolling, text that does not fit is refused.
        std::swap(s.text, next);
        const int width = TextWidth(hwnd, s, s.text.size());
        std::swap(s.text, next);
        if (width > Room(hwnd)) {
            NotifyParent(hwnd, EN_MAXTEXT);
            return false;
        }
    }
    s.text = std::move(next);
    s.caret = s.anchor = start + insert.size();
    return true;
}

void TypeCharacter(HWND hwnd, const std::string& ch)
{
    EditState* s = States().Get(hwnd);
    if (s == nullptr)
        return;
    if ((Style(hwnd) & ES_NUMBER) != 0 && !(ch.size() == 1 && ch[0] >= '0' && ch[0] <= '9')) {
        MessageBeep(0);
        return;
    }
    if (ReplaceSelection(hwnd, *s, ch, true))
        Changed(hwnd);
}

void OnChar(HWND hwnd, WPARAM wParam)
{
    EditState* s = States().Get(hwnd);
    if (s == nullptr)
        return;
    const auto byte = static_cast<unsigned char>(wParam & 0xFF);
    if (byte < 0x20 || byte == 0x7F) {
        s->pending.clear();
        if (byte == '\b') {
            if ((Style(hwnd) & ES_READONLY) != 0)
                return;
            if (s->anchor == s->caret) {
                if (s->caret == 0)
                    return;
                s->anchor = Utf8Prev(s->text, s->caret);
            }
            if (ReplaceSelection(hwnd, *s, std::string(), true))
                Changed(hwnd);
        } else if (byte == 0x01) { // Ctrl+A
            s->anchor = 0;
            s->caret = s->text.size();
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return;
    }
    if ((byte & 0xC0) == 0x80 && !s->pending.empty()) {
        s->pending.push_back(static_cast<char>(byte));
    } else {
        s->pending.assign(1, static_cast<char>(byte));
    }
    const int need = Utf8SequenceLength(static_cast<unsigned char>(s->pending[0]));
    if (static_cast<int>(s->pending.size()) < need)
        return;
    const std::string ch = s->pending;
    s->pending.clear();
    if ((ch[0] & 0xC0) == 0x80)
        return; // a stray continuation byte
    TypeCharacter(hwnd, ch);
}

void MoveCaret(HWND hwnd, EditState& s, std::size_t to, bool extend)
{
    s.caret = to;
    if (!extend)
        s.anchor = to;
    KeepCaretVisible(hwnd, s);
    InvalidateRect(hwnd, nullptr, TRUE);
}

bool OnKeyDown(HWND hwnd, WPARAM vk)
{
    EditState* s = States().Get(hwnd);
    if (s == nullptr)
        return false;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    switch (vk) {
    case VK_LEFT:
        if (!shift && s->anchor != s->caret)
            MoveCaret(hwnd, *s, SelStart(*s), false);
        else
            MoveCaret(hwnd, *s, Utf8Prev(s->text, s->caret), shift);
        return true;
    case VK_RIGHT:
        if (!shift && s->anchor != s->caret)
            MoveCaret(hwnd, *s, SelEnd(*s), false);
        else
            MoveCaret(hwnd, *s, Utf8Next(s->text, s->caret), shift);
        return true;
    case VK_HOME:
        MoveCaret(hwnd, *s, 0, shift);
        return true;
    case VK_END:
        MoveCaret(hwnd, *s, s->text.size(), shift);
        return true;
    case VK_DELETE:
        if ((Style(hwnd) & ES_READONLY) != 0)
            return true;
        if (s->anchor == s->caret) {
            if (s->caret >= s->text.size())
                return true;
            s->anchor = Utf8Next(s->text, s->caret);
        }
        if (ReplaceSelection(hwnd, *s, std::string(), true))
            Changed(hwnd);
        return true;
    default:
        return false;
    }
}

// The byte offset of the character boundary nearest to client x.
std::size_t OffsetAt(HWND hwnd, const EditState& s, int x)
{
    const int target = x - kMargin + s.scroll;
    std::size_t best = 0;
    int bestDistance = std::abs(target);
    for (std::size_t p = Utf8Next(s.text, 0); p <= s.text.size() && !s.text.empty();) {
        const int d = std::abs(TextWidth(hwnd, s, p) - target);
        if (d < bestDistance) {
            bestDistance = d;
            best = p;
        }
        if (p == s.text.size())
            break;
        p = Utf8Next(s.text, p);
    }
    return best;
}

void Paint(HWND hwnd, HDC dc, const EditState& s)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    const bool enabled = IsWindowEnabled(hwnd) != FALSE;
    const bool readOnly = (Style(hwnd) & ES_READONLY) != 0;
    FillControlBackground(hwnd, dc, readOnly || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, rc,
                          readOnly || !enabled ? COLOR_3DFACE : COLOR_WINDOW);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const HGDIOBJ old = SelectObject(dc, ControlFont(s.font));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int top = std::max(0, (static_cast<int>(rc.bottom) - static_cast<int>(tm.tmHeight)) / 2);
    const int x0 = kMargin - s.scroll;
    SetBkMode(dc, TRANSPARENT);
    std::string shown = s.text;
    if ((Style(hwnd) & ES_PASSWORD) != 0)
        shown.assign(Utf8Count(s.text), '*');
    TextOutA(dc, x0, top, shown.data(), static_cast<int>(shown.size()));
    if (s.focused && s.anchor != s.caret && (Style(hwnd) & ES_PASSWORD) == 0) {
        const int a = x0 + TextWidth(hwnd, s, SelStart(s));
        const int b = x0 + TextWidth(hwnd, s, SelEnd(s));
        RECT sel{a, top, b, top + tm.tmHeight};
        FillWithColor(dc, sel, COLOR_HIGHLIGHT);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        const std::size_t start = SelStart(s);
        TextOutA(dc, a, top, s.text.data() + start, static_cast<int>(SelEnd(s) - start));
    }
    if (s.focused) {
        const int cx = x0 + ((Style(hwnd) & ES_PASSWORD) != 0 ? 0 : TextWidth(hwnd, s, s.caret));
        RECT caret{cx, top, cx + 1, top + tm.tmHeight};
        FillWithColor(dc, caret, COLOR_WINDOWTEXT);
    }
    SelectObject(dc, old);
}

} // namespace

LRESULT EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT font = 0; HandleFontMessage(States(), hwnd, message, wParam, lParam, font))
        return font;
    switch (message) {
    case WM_NCCREATE: {
        EditState& s = States().Create(hwnd);
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs != nullptr && cs->lpszName != nullptr)
            s.text = cs->lpszName;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_NCDESTROY:
        States().Erase(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        if (EditState* s = States().Get(hwnd); s != nullptr && dc != nullptr)
            Paint(hwnd, dc, *s);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        EditState* s = States().Get(hwnd);
        if (s == nullptr)
            return FALSE;
        const char* text = reinterpret_cast<const char*>(lParam);
        std::string next = text != nullptr ? text : "";
        if (Utf8Count(next) > s->limit)
            return FALSE;
        s->text = std::move(next);
        s->anchor = s->caret = 0;
        s->scroll = 0;
        s->modified = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, EN_UPDATE);
        NotifyParent(hwnd, EN_CHANGE);
        return TRUE;
    }
    case WM_GETTEXT: {
        EditState* s = States().Get(hwnd);
        return s != nullptr ? CopyTextOut(s->text, wParam, lParam) : 0;
    }
    case WM_GETTEXTLENGTH: {
        EditState* s = States().Get(hwnd);
        return s != nullptr ? static_cast<LRESULT>(s->text.size()) : 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_CHAR:
        OnChar(hwnd, wParam);
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(hwnd, wParam))
            return 0;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (EditState* s = States().Get(hwnd)) {
            s->focused = message == WM_SETFOCUS;
            s->pending.clear();
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        NotifyParent(hwnd, message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: {
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        EditState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        const bool shift = (wParam & MK_SHIFT) != 0;
        MoveCaret(hwnd, *s, OffsetAt(hwnd, *s, GET_X_LPARAM(lParam)), shift);
        s->selecting = true;
        SetCapture(hwnd);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (EditState* s = States().Get(hwnd); s != nullptr && s->selecting && GetCapture() == hwnd)
            MoveCaret(hwnd, *s, OffsetAt(hwnd, *s, GET_X_LPARAM(lParam)), true);
        return 0;
    case WM_LBUTTONUP:
        if (EditState* s = States().Get(hwnd); s != nullptr && s->selecting) {
            s->selecting = false;
            if (GetCapture() == hwnd)
                ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (EditState* s = States().Get(hwnd))
            s->selecting = false;
        return 0;
    case EM_GETSEL: {
        EditState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        const auto start = static_cast<DWORD>(SelStart(*s));
        const auto end = static_cast<DWORD>(SelEnd(*s));
        if (wParam != 0)
            *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam != 0)
            *reinterpret_cast<DWORD*>(lParam) = end;
        return MAKELRESULT(static_cast<WORD>(std::min<DWORD>(start, 0xFFFF)),
                           static_cast<WORD>(std::min<DWORD>(end, 0xFFFF)));
    }
    case EM_SETSEL: {
        EditState* s = States().Get(hwnd);
        if (s == nullptr)
            return 0;
        const auto start = static_cast<std::intptr_t>(static_cast<int>(wParam));
        const auto end = static_cast<std::intptr_t>(static_cast<int>(lParam));
        const std::size_t size = s->text.size();
        if (start == -1) {
            s->anchor = s->caret; // removes the selection
        } else {
            std::size_t a = std::min(static_cast<std::size_t>(std::max<std::intptr_t>(start, 0)), size);
            std::size_t b = end < 0 ? size : std::min(static_cast<std::size_t>(end), size);
            s->anchor = Utf8FitBytes(s->text, a);
            s->caret = Utf8FitBytes(s->text, b);
        }
        KeepCaretVisible(hwnd, *s);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    case EM_REPLACESEL: {
        EditState* s = States().Get(hwnd);
        const char* text = reinterpret_cast<const char*>(lParam);
        if (s != nullptr && ReplaceSelection(hwnd, *s, text != nullptr ? text : "", false))
            Changed(hwnd);
        return 0;
    }
    case EM_LIMITTEXT: {
        EditState* s = States().Get(hwnd);
        if (s != nullptr)
            s->limit = wParam == 0 ? 0x7FFFFFFE : static_cast<std::size_t>(wParam);
        return 0;
    }
    case EM_GETLIMITTEXT: {
        EditState* s = States().Get(hwnd);
        return s != nullptr ? static_cast<LRESULT>(s->limit) : 0;
    }
    case EM_GETMODIFY: {
        EditState* s = States().Get(hwnd);
        return s != nullptr && s->modified ? TRUE : FALSE;
    }
    case EM_SETMODIFY:
        if (EditState* s = States().Get(hwnd))
            s->modified = wParam != 0;
        return 0;
    case EM_SETREADONLY: {
        const DWORD style = Style(hwnd);
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(wParam != 0 ? style | ES_READONLY : style & ~ES_READONLY));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace user
