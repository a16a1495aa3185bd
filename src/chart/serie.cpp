#include "chart/serie.h"

#include <atomic>
#include <utility>

namespace {

std::uint64_t nouvelle_lignee() {
    static std::atomic<std::uint64_t> derniere{0};
    return derniere.fetch_add(1, std::memory_order_relaxed) + 1;
}

} // namespace

Tvaleurs::Tvaleurs() : lignee_(nouvelle_lignee()) {}

Tvaleurs::Tvaleurs(std::initializer_list<value_type> points)
    : points_(points), lignee_(nouvelle_lignee()) {}

Tvaleurs::Tvaleurs(const Tvaleurs& autre) : points_(autre.points_), lignee_(nouvelle_lignee()) {}

Tvaleurs::Tvaleurs(Tvaleurs&& autre) noexcept
    : points_(std::move(autre.points_)), lignee_(autre.lignee_) {
    autre.points_.clear();
    autre.lignee_ = nouvelle_lignee();
}

Tvaleurs& Tvaleurs::operator=(const Tvaleurs& autre) {
    if (this != &autre) {
        points_ = autre.points_;
    }
    lignee_ = nouvelle_lignee();
    return *this;
}

Tvaleurs& Tvaleurs::operator=(Tvaleurs&& autre) noexcept {
    if (this != &autre) {
        points_ = std::move(autre.points_);
        lignee_ = autre.lignee_;
        autre.points_.clear();
        autre.lignee_ = nouvelle_lignee();
    }
    return *this;
}

void Tvaleurs::fixe(std::int32_t x, std::int32_t valeur) {
    if (points_.empty() || x > points_.rbegin()->first) {
        points_.emplace_hint(points_.end(), x, valeur);
        return;
    }
    const auto [point, nouveau] = points_.try_emplace(x, valeur);
    if (nouveau || point->second != valeur) {
        point->second = valeur;
        lignee_ = nouvelle_lignee();
    }
}

void Tvaleurs::clear() {
    points_.clear();
    lignee_ = nouvelle_lignee();
}

Tseries_aspect::Tseries_aspect()
    : aspects{
          {"Allèle 1", 0x0000FF}, // red
          {"Allèle 2", 0xFF0000}, // blue
          {"Allèle 3", 0x008000}, // green
          {"Allèle 4", 0x808080}, // grey
      } {}
