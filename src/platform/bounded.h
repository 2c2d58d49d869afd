#pragma once
#include <QtGlobal>
#include <array>

// A list indexed as the data it models is numbered (1 to 60, 0 to 210, ...). Debug builds catch an index
// outside the range instead of letting it overwrite a neighbouring variable.
template <typename T, int Lo, int Hi>
class BoundedArray {
    static_assert(Hi >= Lo, "empty range");

public:
    static constexpr int low() { return Lo; }
    static constexpr int high() { return Hi; }
    static constexpr int count() { return Hi - Lo + 1; }

    T& operator[](int i)
    {
        Q_ASSERT_X(i >= Lo && i <= Hi, "BoundedArray", "index out of range");
        return m_items[std::size_t(i - Lo)];
    }
    const T& operator[](int i) const
    {
        Q_ASSERT_X(i >= Lo && i <= Hi, "BoundedArray", "index out of range");
        return m_items[std::size_t(i - Lo)];
    }
    void fill(const T& v) { m_items.fill(v); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::array<T, std::size_t(Hi - Lo + 1)> m_items {};
};

template <typename T, int RowLo, int RowHi, int ColLo, int ColHi>
class BoundedGrid {
public:
    BoundedArray<T, ColLo, ColHi>& operator[](int row) { return m_rows[row]; }
    const BoundedArray<T, ColLo, ColHi>& operator[](int row) const { return m_rows[row]; }
    void fill(const T& v)
    {
        for (auto& r : m_rows)
            r.fill(v);
    }

private:
    BoundedArray<BoundedArray<T, ColLo, ColHi>, RowLo, RowHi> m_rows;
};
