#include "model/project.h"

namespace qelvorn {

const std::array<const char*, kLoadTypes> kLoadCodes = {"da", "dc", "dv", "de", "l1", "l2",
                                                        "lf", "fr", "ep", "sc", "cp", "eq"};

const std::array<ColumnPtr, kLoadTypes> kMaxFactors = {
    &Project::Fdamax, &Project::Fdcmax, &Project::Fdvmax, &Project::Fdemax, &Project::Fl1max, &Project::Fl2max,
    &Project::Flfmax, &Project::Ffrmax, &Project::Fepmax, &Project::Fscmax, &Project::Fcpmax, &Project::Feqmax};
const std::array<ColumnPtr, kLoadTypes> kMinFactors = {
    &Project::Fdamin, &Project::Fdcmin, &Project::Fdvmin, &Project::Fdemin, &Project::Fl1min, &Project::Fl2min,
    &Project::Flfmin, &Project::Ffrmin, &Project::Fepmin, &Project::Fscmin, &Project::Fcpmin, &Project::Feqmin};
const std::array<ColumnPtr, kLoadTypes> kSlsFactors = {
    &Project::Fdasls, &Project::Fdcsls, &Project::Fdvsls, &Project::Fdesls, &Project::Fl1sls, &Project::Fl2sls,
    &Project::Flfsls, &Project::Ffrsls, &Project::Fepsls, &Project::Fscsls, &Project::Fcpsls, &Project::Feqsls};
const std::array<ColumnPtr, 14> kCombinationResults = {
    &Project::Vsls, &Project::Mrsls, &Project::Vmax, &Project::Mrmax, &Project::Vmin,
    &Project::Mrmin, &Project::Vminst, &Project::Mrminst, &Project::Hsls, &Project::Mosls,
    &Project::Hmax, &Project::Momax, &Project::Hmin, &Project::Momin};
const std::array<ColumnPtr, 4> kMinStarFactors = {&Project::Fdaminst, &Project::Fdcminst, &Project::Fdvminst,
                                                  &Project::Fdeminst};

void Project::ResizeLoadCombinations(std::int32_t n) {
    NLC = n;
    if (n <= 0) return;
    const auto size = static_cast<std::size_t>(n) + 1;
    LoadTitle.assign(size, std::string());
    for (auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr col : *set) (this->*col).assign(size, 0.0f);
    Fsls.assign(size, 0.0f);
    for (ColumnPtr col : kMinStarFactors) (this->*col).assign(size, 0.0f);
    for (ColumnPtr col : kCombinationResults) (this->*col).assign(size, 0.0f);
}

void Project::ResizePileRows(std::int32_t n) {
    NROWS = n;
    if (n <= 0) return;
    const auto size = static_cast<std::size_t>(n) + 1;
    PILEX.assign(size, 0.0f);
    PILEB.assign(size, 0.0f);
    PILES.assign(size, 0.0f);
    PILEN.assign(size, 0);
    PILENB.assign(size, 0);
}

}  // namespace qelvorn
