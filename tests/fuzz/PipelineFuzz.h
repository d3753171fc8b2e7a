#pragma once
// The whole pipeline of one edition as a fuzz target: a few layout values
// and a text from the input, run through tests/support/PipelineRun.h. An
// input aborts (a finding) when the run breaks one of its rules. Layout
// values outside their ranges are skipped, as the readers refuse them.
#include "FuzzTarget.h"

#include "foundation/Edition.h"

void FuzzPipeline(EditionKind edition, FuzzInput input);
// The edition's sample text in pieces, and small texts of the tags that
// move or space text.
void WritePipelineSeeds(SeedWriter& seeds, const char* sample);
