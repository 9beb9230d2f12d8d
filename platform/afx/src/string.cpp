#include "platform/afx_string.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::size_t Clamp(int v, std::size_t limit)
{
    if (v < 0)
        return 0;
    return std::min(static_cast<std::size_t>(v), limit);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

} // namespace

CString::CString(LPCSTR text, int length)
{
    if (text && length > 0)
        s_.assign(text, static_cast<std::size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0)
        s_.assign(static_cast<std::size_t>(repeat), ch);
}

int CString::Compare(LPCSTR other) const
{
    const int r = std::strcmp(s_.c_str(), other ? other : "");
    return (r > 0) - (r < 0);
}

int CString::CompareNoCase(LPCSTR other) const
{
    const char* a = s_.c_str();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        const auto ca = static_cast<unsigned char>(AsciiLower(*a));
        const auto cb = static_cast<unsigned char>(AsciiLower(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Left(int count) const { return CString(s_.substr(0, Clamp(count, s_.size()))); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    const std::size_t from = Clamp(first, s_.size());
    return CString(s_.substr(from, Clamp(count, s_.size() - from)));
}

CString CString::Right(int count) const
{
    const std::size_t n = Clamp(count, s_.size());
    return CString(s_.substr(s_.size() - n));
}

CString CString::SpanIncluding(LPCSTR set) const
{
    return CString(s_.substr(0, std::min(s_.find_first_not_of(set ? set : ""), s_.size())));
}

CString CString::SpanExcluding(LPCSTR set) const
{
    return CString(s_.substr(0, std::min(s_.find_first_of(set ? set : ""), s_.size())));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || static_cast<std::size_t>(start) > s_.size())
        return -1;
    const auto at = s_.find(ch, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCSTR sub, int start) const
{
    if (!sub || start < 0 || static_cast<std::size_t>(start) > s_.size())
        return -1;
    const auto at = s_.find(sub, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    const auto at = s_.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCSTR set) const
{
    const auto at = s_.find_first_of(set ? set : "");
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(char oldCh, char newCh)
{
    int n = 0;
    for (char& c : s_)
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    return n;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText)
{
    if (!oldText || !*oldText)
        return 0;
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    std::string out;
    int n = 0;
    std::size_t pos = 0;
    for (;;) {
        const auto at = s_.find(from, pos);
        if (at == std::string::npos)
            break;
        out.append(s_, pos, at - pos).append(to);
        pos = at + from.size();
        ++n;
    }
    out.append(s_, pos, std::string::npos);
    s_.swap(out);
    return n;
}

int CString::Remove(char ch)
{
    const auto before = s_.size();
    s_.erase(std::remove(s_.begin(), s_.end(), ch), s_.end());
    return static_cast<int>(before - s_.size());
}

int CString::Insert(int index, char ch)
{
    s_.insert(Clamp(index, s_.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCSTR text)
{
    s_.insert(Clamp(index, s_.size()), text ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    const std::size_t from = Clamp(index, s_.size());
    s_.erase(from, Clamp(count, s_.size() - from));
    return GetLength();
}

CString& CString::TrimLeft()
{
    std::size_t i = 0;
    while (i < s_.size() && IsSpace(s_[i]))
        ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    s_.erase(0, std::min(s_.find_first_not_of(ch), s_.size()));
    return *this;
}

CString& CString::TrimLeft(LPCSTR set)
{
    s_.erase(0, std::min(s_.find_first_not_of(set ? set : ""), s_.size()));
    return *this;
}

CString& CString::TrimRight()
{
    while (!s_.empty() && IsSpace(s_.back()))
        s_.pop_back();
    return *this;
}

CString& CString::TrimRight(char ch)
{
    while (!s_.empty() && s_.back() == ch)
        s_.pop_back();
    return *this;
}

CString& CString::TrimRight(LPCSTR set)
{
    const std::string chars(set ? set : "");
    while (!s_.empty() && chars.find(s_.back()) != std::string::npos)
        s_.pop_back();
    return *this;
}

CString& CString::MakeUpper()
{
    std::transform(s_.begin(), s_.end(), s_.begin(), AsciiUpper);
    return *this;
}

CString& CString::MakeLower()
{
    std::transform(s_.begin(), s_.end(), s_.begin(), AsciiLower);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(s_.begin(), s_.end());
    return *this;
}

LPSTR CString::GetBuffer(int minLength)
{
    if (minLength > 0 && static_cast<std::size_t>(minLength) > s_.size())
        s_.resize(static_cast<std::size_t>(minLength), '\0');
    return s_.data();
}

LPSTR CString::GetBufferSetLength(int length)
{
    s_.resize(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    return s_.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        s_.resize(std::strlen(s_.c_str()));
    else
        s_.resize(std::min(static_cast<std::size_t>(newLength), s_.size()));
}

void CString::FormatRaw(LPCSTR format, ...)
{
    if (!format) {
        s_.clear();
        return;
    }
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(again);
        s_.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, again);
    va_end(again);
    s_.assign(buffer.data(), static_cast<std::size_t>(needed));
}

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, LPCSTR b) { return CString(a.str() + (b ? b : "")); }
CString operator+(LPCSTR a, const CString& b) { return CString((a ? a : "") + b.str()); }
CString operator+(const CString& a, char b) { return CString(a.str() + b); }
CString operator+(char a, const CString& b) { return CString(std::string(1, a) + b.str()); }
