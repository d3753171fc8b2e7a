// The whole pipeline of the vertical edition: text, typesetting, every page
// drawn (see PipelineFuzz.h).
#include "PipelineFuzz.h"

void FuzzOne(FuzzInput input) { FuzzPipeline(EditionKind::Vertical, input); }

void WriteSeeds(SeedWriter& seeds) { WritePipelineSeeds(seeds, "vertical.txt"); }
