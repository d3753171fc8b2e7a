#pragma once
// After each test, every layer's globals and installed services (prompter,
// dialogs, frame, edition) go back to their reset state, so that every test
// starts from a clean state without a fixture resetting anything by hand.
#include <gtest/gtest.h>

class GlobalsReset : public ::testing::EmptyTestEventListener {
public:
    void OnTestEnd(const ::testing::TestInfo& test) override;
};
