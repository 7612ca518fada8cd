#pragma once

// Every font the program makes is as wide as its height divided by 2.3, truncated toward
// zero (18 gives 7, -18 gives -7). Worked in integers, so no height lands one short through
// a rounding error of 2.3 and no height overflows.
constexpr int FontWidthForHeight(int height) {
    return static_cast<int>(static_cast<long long>(height) * 10 / 23);
}
