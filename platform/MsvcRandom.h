#pragma once
// The C run-time generator of Microsoft's compilers (srand/rand), so that a
// sequence seeded here matches the one the Windows program drew. glibc's
// rand gives a different sequence.
#include <cstdint>

class MsvcRandom {
public:
    explicit MsvcRandom(uint32_t seed = 1) : state_(seed) {}

    void Seed(uint32_t seed) { state_ = seed; }
    // 0 … 32767.
    int32_t Next()
    {
        state_ = state_ * 214013u + 2531011u;
        return int32_t((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_;
};
