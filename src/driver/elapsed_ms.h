#pragma once
#include <chrono>
#include <string>

// Whole milliseconds since `start` on the monotonic clock, truncated, in decimal.
inline std::string elapsedMs(std::chrono::steady_clock::time_point start) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::steady_clock::now() - start);
    return std::to_string(ns.count() / 1000000);
}
