// The projects the benchmarks time: an example read from examples/, and a
// large project (by default 20 pile rows, 30 load combinations, side walls,
// quantities) grown from the pile example with side walls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "io/input_file.h"
#include "model/defaults.h"

namespace qelvorn::bench {

inline bool LoadExample(const std::string& name, Project& p) {
    ResetProject(p);
    p.InFile = std::string(QELVORN_SOURCE_DIR) + "/examples/" + name + ".in";
    p.InTitle = name + ".in";
    p.OutTitle = name + ".out";
    return ReadInputFile(p);
}

// The pile example with side walls, grown to kRows pile rows spread evenly
// over the cap and kCombinations load combinations (its own six, repeated).
inline bool LargeProject(Project& p, std::int32_t kRows = 20, std::int32_t kCombinations = 30) {
    if (!LoadExample("pile-aashto-both-sidewalls-english", p)) return false;
    const Project base = p;
    p.ResizePileRows(kRows);
    const float first = 12.0f, last = p.Wf - 12.0f;
    for (std::int32_t i = 1; i <= kRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        p.PILEN[k] = base.PILEN[1];
        p.PILEX[k] = first + (last - first) * static_cast<float>(i - 1) / static_cast<float>(kRows - 1);
        p.PILENB[k] = i == 1 ? base.PILENB[1] : 0;
        p.PILEB[k] = i == 1 ? base.PILEB[1] : 0.0f;
        p.PILES[k] = base.PILES[1];
    }
    p.ResizeLoadCombinations(kCombinations);
    for (std::int32_t i = 1; i <= kCombinations; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto from = static_cast<std::size_t>((i - 1) % base.NLC + 1);
        p.LoadTitle[k] = base.LoadTitle[from] + " (" + std::to_string(i) + ")";
        for (const auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
            for (ColumnPtr c : *set) (p.*c)[k] = (base.*c)[from];
        p.Fsls[k] = base.Fsls[from];
    }
    p.InTitle = "large.in";
    p.OutTitle = "large.out";
    return true;
}

}  // namespace qelvorn::bench
