#pragma once

#include <QString>

#include <cstdint>

// A small deterministic random source (splitmix64). Every generated file
// seeds its own from its name, so files come out identical on every run and
// in any order, whichever thread writes them.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    explicit Rng(const QString &name) : m_state(0x9e3779b97f4a7c15ULL)
    {
        for (QChar c : name)
            m_state = (m_state ^ c.unicode()) * 0x100000001b3ULL;
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return int(next() % std::uint64_t(n)); }
    template<typename List>
    const auto &pick(const List &list) { return list.at(below(int(list.size()))); }

private:
    std::uint64_t m_state;
};
