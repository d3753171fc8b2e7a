// The whole pipeline of the horizontal edition: text, typesetting, every page
// drawn (see PipelineFuzz.h).
#include "PipelineFuzz.h"

void FuzzOne(FuzzInput input) { FuzzPipeline(EditionKind::Horizontal, input); }

void WriteSeeds(SeedWriter& seeds) { WritePipelineSeeds(seeds, "horizontal.txt"); }
