// The whole pipeline of the woodblock edition: text, typesetting, every page
// drawn (see PipelineFuzz.h).
#include "PipelineFuzz.h"

void FuzzOne(FuzzInput input) { FuzzPipeline(EditionKind::Woodblock, input); }

void WriteSeeds(SeedWriter& seeds) { WritePipelineSeeds(seeds, "sample.txt"); }
