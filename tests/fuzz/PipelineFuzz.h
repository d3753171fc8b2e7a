#pragma once
// The whole pipeline of one edition as a fuzz target: the input form and
// the rules are those of RunPipelineInput (tests/support/PipelineRun.h); an
// input aborts (a finding) when the run breaks one of them.
#include "FuzzTarget.h"

#include "foundation/Edition.h"

void FuzzPipeline(EditionKind edition, FuzzInput input);
// The edition's sample text in pieces, and small texts of the tags that
// move or space text.
void WritePipelineSeeds(SeedWriter& seeds, const char* sample);
