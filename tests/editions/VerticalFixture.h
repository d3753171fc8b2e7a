#pragma once
// Tests of the vertical edition: it is installed for the test's length.
#include <gtest/gtest.h>

#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"

class VerticalTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = InstallEdition(&EditionFor(EditionKind::Vertical)); }
    void TearDown() override { InstallEdition(previous_); }

private:
    const Edition* previous_ = nullptr;
};
