#include "model/load_table.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace qelvorn {

namespace {

// Rows 1..n of a 1-based column exist when it holds n + 1 elements.
template <typename Col>
std::int32_t RowsHeld(const Col& c) {
    return c.empty() ? 0 : static_cast<std::int32_t>(c.size() - 1);
}

// Calls f on every factor column of a combination (the 36 factors and Fsls).
template <typename F>
void ForEachFactorColumn(Project& p, F f) {
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) f(p.*col, 0.0f);
    f(p.Fsls, 1.0f);
}

// Results of the stability section and its MIN* factors belong to the rows
// as they were: after a row operation they are cleared to the new size.
void ClearCombinationResults(Project& p, std::int32_t rows) {
    const auto size = static_cast<std::size_t>(rows) + 1;
    for (ColumnPtr col : kMinStarFactors) (p.*col).assign(size, 0.0f);
    for (ColumnPtr col : kCombinationResults) (p.*col).assign(size, 0.0f);
}

}  // namespace

std::int32_t LoadCombinationRows(const Project& p) {
    std::int32_t rows = std::max(p.NLC, 0);
    rows = std::min(rows, RowsHeld(p.LoadTitle));
    rows = std::min(rows, RowsHeld(p.Fsls));
    for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) rows = std::min(rows, RowsHeld(p.*col));
    return rows;
}

std::int32_t PileRowCount(const Project& p) {
    std::int32_t rows = std::max(p.NROWS, 0);
    for (const Column* c : {&p.PILEX, &p.PILEB, &p.PILES}) rows = std::min(rows, RowsHeld(*c));
    for (const CountColumn* c : {&p.PILEN, &p.PILENB}) rows = std::min(rows, RowsHeld(*c));
    return rows;
}

std::int32_t InsertLoadCombination(Project& p, std::int32_t r) {
    const std::int32_t n = LoadCombinationRows(p);
    r = std::clamp(r, 0, n);
    const auto keep = static_cast<std::size_t>(n) + 1;  // element 0 and rows 1..n
    const auto at = static_cast<std::ptrdiff_t>(r) + 1;
    // Rows beyond the count (kept in memory after a count of 0) are not part
    // of the table and are dropped here.
    p.LoadTitle.resize(keep);
    p.LoadTitle.insert(p.LoadTitle.begin() + at, std::string());
    ForEachFactorColumn(p, [&](Column& c, float fresh) {
        c.resize(keep, 0.0f);
        c.insert(c.begin() + at, fresh);
    });
    p.NLC = n + 1;
    ClearCombinationResults(p, p.NLC);
    return r + 1;
}

std::int32_t DeleteLoadCombination(Project& p, std::int32_t r) {
    const std::int32_t n = LoadCombinationRows(p);
    if (n < 2 || r < 1 || r > n) return std::clamp(r, std::min(1, n), n);
    const auto keep = static_cast<std::size_t>(n) + 1;
    const auto at = static_cast<std::ptrdiff_t>(r);
    p.LoadTitle.resize(keep);
    p.LoadTitle.erase(p.LoadTitle.begin() + at);
    ForEachFactorColumn(p, [&](Column& c, float) {
        c.resize(keep, 0.0f);
        c.erase(c.begin() + at);
    });
    p.NLC = n - 1;
    ClearCombinationResults(p, p.NLC);
    return std::min(r, p.NLC);
}

}  // namespace qelvorn
