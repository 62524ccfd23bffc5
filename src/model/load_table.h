// Row operations on the two variable-length tables of the project: how many
// rows may be addressed, and inserting or removing one load combination.
//
// The counts NLC and NROWS may disagree with the arrays they describe: a
// count of 0 or less is stored while the old arrays stay in memory. Every
// window that edits a row asks these functions first, so no table is ever
// addressed outside its rows.
#pragma once

#include <cstdint>

#include "model/project.h"

namespace qelvorn {

// Load combinations that may be addressed: NLC when every combination
// column (titles, the 36 factors, Fsls) holds rows 1..NLC; never more than
// the shortest column holds; 0 when NLC is 0 or less.
std::int32_t LoadCombinationRows(const Project& p);

// Pile rows that may be addressed, by the same rule over the five pile row
// columns and NROWS.
std::int32_t PileRowCount(const Project& p);

// Inserts a new, empty combination after row r (0 puts it first): the rows
// after r move one place down unchanged; the new row has an empty title,
// all factors 0 and Fsls 1.0; the per-combination results and the MIN*
// factors are re-created with the new size, all zero; NLC grows by one.
// r is taken into 0..LoadCombinationRows(p). Returns the new row, r + 1.
std::int32_t InsertLoadCombination(Project& p, std::int32_t r);

// Removes combination r: the rows before it keep their places, the rows
// after it move up one place; the results and MIN* factors are re-created
// with the new size, all zero; NLC shrinks by one. The last remaining
// combination is never removed, nor is a row outside the table: then
// nothing changes. Returns the row to show next: r, or the new last row
// when r was the last (r taken into the table when nothing changed).
std::int32_t DeleteLoadCombination(Project& p, std::int32_t r);

}  // namespace qelvorn
