#pragma once
// What is left of a note's runs, measured once and then kept as a running
// total: the later runs' summed cells and lengths from each run on, and the
// rest of the run the cursor stands on as last measured. A note of many
// columns is thus measured in time linear in its length.
#include <cstdint>
#include <vector>

#include <QtGlobal>

struct TRemainingRuns {
    bool ready = false;  // the sums belong to the segment's run groups
    std::vector<size_t> groupStarts;     // flat index of each group's first run
    std::vector<int64_t> cellsFrom;      // cells of runs k… (one more entry: 0)
    std::vector<int64_t> lengthFrom;     // length of runs k…, the half-advance rule between them applied
    std::vector<int32_t> laterLift;      // what run k gives back when the run before it ends a sentence

    // The rest of the current run as last measured.
    size_t run = size_t(-1);
    qsizetype textSize = 0;
    int64_t cells = 0;
    int64_t length = 0;

    void Clear() { *this = TRemainingRuns(); }
};
