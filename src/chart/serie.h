#pragma once

#include "chart/surface.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The points of one series: value by x (the generation), in ascending order of
// x. The entry with the greatest x is the last value, the one the legend shows.
// Read like a std::map; written only through `fixe` and `clear`, so that it can
// tell whether points were only added after the last one.
class Tvaleurs {
public:
    using carte = std::map<std::int32_t, std::int32_t>;
    using value_type = carte::value_type;
    using const_iterator = carte::const_iterator;
    using iterator = const_iterator;
    using const_reverse_iterator = carte::const_reverse_iterator;

    Tvaleurs();
    Tvaleurs(std::initializer_list<value_type> points);
    // A copy, or points given by copy assignment, start a new lineage; points
    // moved elsewhere keep theirs, and what they leave behind starts a new one.
    Tvaleurs(const Tvaleurs& autre);
    Tvaleurs(Tvaleurs&& autre) noexcept;
    Tvaleurs& operator=(const Tvaleurs& autre);
    Tvaleurs& operator=(Tvaleurs&& autre) noexcept;
    ~Tvaleurs() = default;

    const_iterator begin() const { return points_.begin(); }
    const_iterator end() const { return points_.end(); }
    const_reverse_iterator rbegin() const { return points_.rbegin(); }
    const_reverse_iterator rend() const { return points_.rend(); }
    std::size_t size() const { return points_.size(); }
    bool empty() const { return points_.empty(); }
    std::size_t count(std::int32_t x) const { return points_.count(x); }
    // The value at x; std::out_of_range when there is none.
    std::int32_t at(std::int32_t x) const { return points_.at(x); }
    bool operator==(const Tvaleurs& autre) const { return points_ == autre.points_; }
    bool operator!=(const Tvaleurs& autre) const { return points_ != autre.points_; }

    // Stores `valeur` at x, replacing any value there.
    void fixe(std::int32_t x, std::int32_t valeur);
    void clear();

    // The same number, unique to these points, for as long as points were only
    // added after the last one (a value stored again unchanged counts as
    // nothing); any other change gives a new one.
    std::uint64_t lignee() const { return lignee_; }

private:
    carte points_;
    std::uint64_t lignee_;
};

// One series of a chart: its legend name, the colour of its curve and legend
// box, and its points. Copied by value, points included. With `legende` set,
// its legend box shows that text instead of the last value (a count of 0
// included, which the number format would leave blank).
struct Tserie {
    std::string nom;
    Tcouleur couleur = 0;
    Tvaleurs valeurs;
    std::optional<std::string> legende;
};

// A curve of a chart beside its series, with no legend entry: drawn after the
// series' curves, later ones over earlier ones; `pointillee` dashes it.
struct Tcourbe {
    Tvaleurs valeurs;
    Tcouleur couleur = 0;
    bool pointillee = false;
};

// The series of a chart, addressed by their index (their order of addition).
using Tseries = std::vector<Tserie>;

// Default look of one allele series: its name (a translator key) and colour.
struct Taspect_serie {
    std::string nom;
    Tcouleur couleur = 0;
};

// Default look of the allele series, entry i for allele i + 1.
class Tseries_aspect {
public:
    std::vector<Taspect_serie> aspects;

    Tseries_aspect();

    // Entry i; an index past the last entry throws std::out_of_range.
    const Taspect_serie& operator[](std::size_t i) const { return aspects.at(i); }
    std::size_t size() const { return aspects.size(); }
};
