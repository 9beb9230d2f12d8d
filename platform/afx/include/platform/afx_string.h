// CString: the framework's string of 8-bit characters.  Text is UTF-8 (the
// platform's ANSI code page), so lengths and positions count bytes.  It
// converts to a NUL-terminated LPCSTR wherever a platform call wants one.
#pragma once

#include "platform/afx_export.h"
#include "platform/base.h"

#include <concepts>
#include <string>
#include <type_traits>

class PLATFORM_AFX_API CString {
public:
    CString() = default;
    CString(LPCSTR text) : s_(text ? text : "") {}
    CString(LPCSTR text, int length);
    CString(char ch, int repeat = 1);
    CString(const std::string& text) : s_(text) {}

    // ---- Length and access ----
    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    char GetAt(int index) const { return s_.at(static_cast<std::size_t>(index)); }
    void SetAt(int index, char ch) { s_.at(static_cast<std::size_t>(index)) = ch; }
    template <std::integral I>
    char operator[](I index) const
    {
        return GetAt(static_cast<int>(index));
    }
    operator LPCSTR() const { return s_.c_str(); }
    const std::string& str() const { return s_; }

    // ---- Assignment and concatenation ----
    CString& operator=(LPCSTR text)
    {
        s_ = text ? text : "";
        return *this;
    }
    CString& operator=(char ch)
    {
        s_.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& o)
    {
        s_ += o.s_;
        return *this;
    }
    CString& operator+=(LPCSTR text)
    {
        if (text)
            s_ += text;
        return *this;
    }
    CString& operator+=(char ch)
    {
        s_ += ch;
        return *this;
    }

    // ---- Comparison (byte-wise; NoCase folds ASCII letters only) ----
    int Compare(LPCSTR other) const;
    int CompareNoCase(LPCSTR other) const;

    // ---- Extraction; counts are clamped to the string ----
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCSTR set) const;
    CString SpanExcluding(LPCSTR set) const;

    // ---- Search: byte index or -1 ----
    int Find(char ch, int start = 0) const;
    int Find(LPCSTR sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR set) const;

    // ---- Changes ----
    // The number of replacements made.
    int Replace(char oldCh, char newCh);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(LPCSTR set);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(LPCSTR set);
    CString& Trim() { return TrimRight().TrimLeft(); }
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // ---- printf-style formatting.  CString arguments pass as their text. ----
    template <typename... Args>
    void Format(LPCSTR format, const Args&... args)
    {
        FormatRaw(format, Pass(args)...);
    }
    // The format is string resource `formatId`.
    template <typename... Args>
    void Format(UINT formatId, const Args&... args)
    {
        CString format;
        format.LoadString(formatId);
        FormatRaw(format, Pass(args)...);
    }
    template <typename... Args>
    void AppendFormat(LPCSTR format, const Args&... args)
    {
        CString more;
        more.FormatRaw(format, Pass(args)...);
        s_ += more.s_;
    }

    // ---- Resources ----
    // Loads string resource `id` of the program; false (string emptied)
    // when there is none.
    BOOL LoadString(UINT id);

    // ---- Direct buffer access ----
    // A writable buffer of at least `minLength` bytes plus the terminator.
    LPSTR GetBuffer(int minLength = 0);
    LPSTR GetBufferSetLength(int length);
    // Ends buffer access: the length becomes `newLength`, or the text up to
    // the first NUL when it is -1.
    void ReleaseBuffer(int newLength = -1);

    // The implementation of Format; arguments must already be plain C values.
    void FormatRaw(LPCSTR format, ...);

private:
    static LPCSTR Pass(const CString& s) { return s; }
    template <typename T>
    static const T& Pass(const T& v)
    {
        static_assert(std::is_trivially_copyable_v<T>, "only plain values can be formatted");
        return v;
    }

    std::string s_;
};

PLATFORM_AFX_API CString operator+(const CString& a, const CString& b);
PLATFORM_AFX_API CString operator+(const CString& a, LPCSTR b);
PLATFORM_AFX_API CString operator+(LPCSTR a, const CString& b);
PLATFORM_AFX_API CString operator+(const CString& a, char b);
PLATFORM_AFX_API CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
