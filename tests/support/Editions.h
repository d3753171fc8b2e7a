#pragma once
// Edition-parametrised tests: every test of a suite derived from
// EditionTest runs once per edition, with g_Edition installed.
#include <gtest/gtest.h>

#include "foundation/Edition.h"

const Edition& EditionFor(EditionKind kind);

class EditionTest : public ::testing::TestWithParam<EditionKind> {
protected:
    // Installs the edition; the globals reset after the test puts the
    // default one back.
    void SetUp() override;
    const Edition& edition() const { return EditionFor(GetParam()); }
};

std::string EditionName(const ::testing::TestParamInfo<EditionKind>& info);

#define VELLUMOR_ALL_EDITIONS(Suite)                                                            \
    INSTANTIATE_TEST_SUITE_P(AllEditions, Suite,                                                \
                             ::testing::Values(EditionKind::Woodblock, EditionKind::Vertical,   \
                                               EditionKind::Horizontal),                        \
                             EditionName)
