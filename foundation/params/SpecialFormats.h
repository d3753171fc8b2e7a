#pragma once
// The per-style run formats named by tags: special formats (【TS…】),
// circled text (【YQ…】), emphasis-mark sets (【QD…】) and side-note fonts
// (【CP…】), with their dialog edits.
#include "foundation/params/CirclePara.h"
#include "foundation/params/QuanDian.h"
#include "foundation/params/SideNoteFonts.h"
#include "foundation/params/SpecialFormatDialogs.h"
#include "foundation/params/Technique.h"
