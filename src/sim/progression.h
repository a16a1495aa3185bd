#pragma once

#include <chrono>
#include <cstdint>

// A progress bar on the standard error, only when it is a terminal and once
// the work has taken more than a second; nothing otherwise.
class Tprogression {
public:
    explicit Tprogression(std::uint64_t total);
    // One more replicate done.
    void avance();
    // Clears the bar, if one was drawn.
    void termine();

private:
    using Thorloge = std::chrono::steady_clock;
    std::uint64_t total;
    std::uint64_t faits = 0;
    bool terminal;
    bool affichee = false;
    Thorloge::time_point debut = Thorloge::now();
    Thorloge::time_point derniere{};
};
