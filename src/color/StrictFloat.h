#pragma once
// Colours must come out bit for bit the same on every compiler and target, so the arithmetic
// must not be fused into multiply-add instructions, which round once instead of twice.
#if defined(__clang__)
#pragma clang fp contract(off)
#endif
