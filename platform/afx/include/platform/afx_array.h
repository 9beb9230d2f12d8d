// CArray: the framework's growable array.  TYPE is the element type and
// ARG_TYPE the type elements are passed in.  Indices are signed as in the
// framework; an index outside the array is a caller's error, reported by
// std::out_of_range from GetAt/SetAt/ElementAt (never undefined behaviour).
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    int GetSize() const { return static_cast<int>(items_.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return items_.empty(); }
    // New elements are value-initialised; growBy is accepted for
    // compatibility and the standard library chooses the growth.
    void SetSize(int newSize, int growBy = -1)
    {
        (void)growBy;
        items_.resize(newSize > 0 ? static_cast<std::size_t>(newSize) : 0);
    }
    void RemoveAll() { items_.clear(); }
    void FreeExtra() { items_.shrink_to_fit(); }

    const TYPE& GetAt(int index) const { return items_.at(Index(index)); }
    TYPE& GetAt(int index) { return items_.at(Index(index)); }
    void SetAt(int index, ARG_TYPE element) { items_.at(Index(index)) = element; }
    TYPE& ElementAt(int index) { return items_.at(Index(index)); }
    const TYPE& operator[](int index) const { return GetAt(index); }
    TYPE& operator[](int index) { return GetAt(index); }
    const TYPE* GetData() const { return items_.data(); }
    TYPE* GetData() { return items_.data(); }

    // The index of the new element.
    int Add(ARG_TYPE element)
    {
        items_.push_back(element);
        return GetUpperBound();
    }
    // Grows the array as needed to hold `index`.
    void SetAtGrow(int index, ARG_TYPE element)
    {
        if (index >= GetSize())
            SetSize(index + 1);
        SetAt(index, element);
    }
    void InsertAt(int index, ARG_TYPE element, int count = 1)
    {
        if (count <= 0)
            return;
        if (index >= GetSize())
            SetSize(index);
        items_.insert(items_.begin() + Index(index), static_cast<std::size_t>(count), element);
    }
    // Removes `count` elements from `index`, as many as there are.
    void RemoveAt(int index, int count = 1)
    {
        const std::size_t from = Index(index);
        if (from >= items_.size() || count <= 0)
            return;
        const std::size_t n = std::min(static_cast<std::size_t>(count), items_.size() - from);
        items_.erase(items_.begin() + from, items_.begin() + from + n);
    }
    int Append(const CArray& other)
    {
        const int first = GetSize();
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
        return first;
    }
    void Copy(const CArray& other) { items_ = other.items_; }

private:
    static std::size_t Index(int index) { return index < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(index); }

    std::vector<TYPE> items_;
};
