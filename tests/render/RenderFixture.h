#pragma once
// A renderer over a parameter set with one default style "para0", made
// current, with pages shown; the render globals are put back afterwards.
#include <gtest/gtest.h>

#include "foundation/params/Style.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

class RenderFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        style = set.styles.AddNew();
        style->NAME = kDefaultStyleName;
        g_CurrentParaSet = &set;
        g_CurrentStyle = style;
        g_VolumeShown = true;
    }

    // Page sizes for the display mode, extent, zoom: the order the view keeps.
    void Layout(double zoom = 1.0)
    {
        const TDisplayMode display{g_TwoPageMode != 0, g_FourInOneMode != 0};
        for (TStyle& s : set.styles)
            ComputeStylePageSize(s, display);
        ApplyCoverSizes(set);
        view.CalcPageExtent();
        view.ZoomFactor = zoom;
        view.ApplyZoom();
    }

    TParaSet set;
    TStyle* style = nullptr;
    PageRenderer view;
};
