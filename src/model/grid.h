// Small 1-based tables used by the analysis results (per case and per
// load combination, per pile row, ...). Indices start at 1 as the engineer
// numbers combinations, cases and pile rows; element 0 is never used.
#pragma once

#include <cstddef>
#include <vector>

namespace qelvorn {

// Two-dimensional table of values indexed (i, j), i = 1..rows, j = 1..cols.
template <typename T>
class Grid2 {
public:
    Grid2() = default;
    Grid2(int rows, int cols) { resize(rows, cols); }

    // Re-creates the table with every cell cleared.
    void resize(int rows, int cols) {
        rows_ = rows > 0 ? rows : 0;
        cols_ = cols > 0 ? cols : 0;
        cells_.assign(static_cast<std::size_t>(rows_ + 1) * static_cast<std::size_t>(cols_ + 1), T{});
    }
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    T& operator()(int i, int j) { return cells_.at(index(i, j)); }
    const T& operator()(int i, int j) const { return cells_.at(index(i, j)); }

private:
    std::size_t index(int i, int j) const {
        if (i < 0 || j < 0 || i > rows_ || j > cols_) return cells_.size();  // .at() throws
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(cols_ + 1) + static_cast<std::size_t>(j);
    }
    int rows_ = 0;
    int cols_ = 0;
    std::vector<T> cells_;
};

// Three-dimensional table indexed (i, j, k), each from 1.
template <typename T>
class Grid3 {
public:
    Grid3() = default;
    Grid3(int n1, int n2, int n3) { resize(n1, n2, n3); }

    void resize(int n1, int n2, int n3) {
        n1_ = n1 > 0 ? n1 : 0;
        n2_ = n2 > 0 ? n2 : 0;
        n3_ = n3 > 0 ? n3 : 0;
        cells_.assign(static_cast<std::size_t>(n1_ + 1) * static_cast<std::size_t>(n2_ + 1) *
                          static_cast<std::size_t>(n3_ + 1),
                      T{});
    }
    int size1() const { return n1_; }
    int size2() const { return n2_; }
    int size3() const { return n3_; }

    T& operator()(int i, int j, int k) { return cells_.at(index(i, j, k)); }
    const T& operator()(int i, int j, int k) const { return cells_.at(index(i, j, k)); }

private:
    std::size_t index(int i, int j, int k) const {
        if (i < 0 || j < 0 || k < 0 || i > n1_ || j > n2_ || k > n3_) return cells_.size();
        return (static_cast<std::size_t>(i) * static_cast<std::size_t>(n2_ + 1) + static_cast<std::size_t>(j)) *
                   static_cast<std::size_t>(n3_ + 1) +
               static_cast<std::size_t>(k);
    }
    int n1_ = 0, n2_ = 0, n3_ = 0;
    std::vector<T> cells_;
};

}  // namespace qelvorn
