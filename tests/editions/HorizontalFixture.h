#pragma once
// Tests of the horizontal edition: it is installed for the test's length.
#include <gtest/gtest.h>

#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"

class HorizontalTest : public ::testing::Test {
protected:
    void SetUp() override { previous_ = InstallEdition(&EditionFor(EditionKind::Horizontal)); }
    void TearDown() override { InstallEdition(previous_); }

private:
    const Edition* previous_ = nullptr;
};
