// A two-dimensional table with bounds 0..rows and 0..cols, as the program's
// model and information tables are dimensioned. Every access is checked:
// an index outside the bounds raises IndexError.
#pragma once

#include "model/vbmath.h"

#include <string>
#include <vector>

namespace vesk {

template <class T>
class Table2D {
public:
    Table2D() = default;
    Table2D(int maxRow, int maxCol) { redim(maxRow, maxCol); }

    // Re-dimensions to rows 0..maxRow and columns 0..maxCol; every element
    // starts anew at its zero value. A negative bound leaves the table empty.
    void redim(int maxRow, int maxCol)
    {
        rows_ = maxRow < 0 || maxCol < 0 ? 0 : maxRow + 1;
        cols_ = maxRow < 0 || maxCol < 0 ? 0 : maxCol + 1;
        data_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_), T{});
    }

    T& operator()(int r, int c) { return data_[index(r, c)]; }
    const T& operator()(int r, int c) const { return data_[index(r, c)]; }

    bool inBounds(int r, int c) const { return r >= 0 && c >= 0 && r < rows_ && c < cols_; }
    // Highest row and column index; -1 for an empty table.
    int maxRow() const { return rows_ - 1; }
    int maxCol() const { return cols_ - 1; }

    bool operator==(const Table2D&) const = default;

private:
    std::size_t index(int r, int c) const
    {
        if (!inBounds(r, c))
            throw IndexError("Subscript out of range (" + std::to_string(r) + ", " + std::to_string(c) + ")");
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(c);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<T> data_;
};

// A one-dimensional list with bounds 0..max and checked access.
template <class T>
class List1D {
public:
    List1D() = default;
    explicit List1D(int maxIndex) { redim(maxIndex); }

    void redim(int maxIndex) { data_.assign(maxIndex < 0 ? 0 : static_cast<std::size_t>(maxIndex) + 1, T{}); }

    T& operator[](int i) { return data_[index(i)]; }
    const T& operator[](int i) const { return data_[index(i)]; }
    int maxIndex() const { return static_cast<int>(data_.size()) - 1; }
    bool inBounds(int i) const { return i >= 0 && i < static_cast<int>(data_.size()); }

    bool operator==(const List1D&) const = default;

private:
    std::size_t index(int i) const
    {
        if (!inBounds(i))
            throw IndexError("Subscript out of range (" + std::to_string(i) + ")");
        return static_cast<std::size_t>(i);
    }
    std::vector<T> data_;
};

}  // namespace vesk
