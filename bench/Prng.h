#pragma once
// A small seeded generator whose sequence is the same on every platform and library, so a
// generated firm is the same firm wherever it is generated.

#include <QList>
#include <cstdint>

namespace tolmo::bench {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : m_state(seed) {}

    /// splitmix64.
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /// Uniform in [0, n); n > 0.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    /// Uniform in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }
    /// True with the given chance in percent.
    bool percent(int chance) { return below(100) < chance; }
    template <typename T>
    const T& pick(const QList<T>& items) {
        return items[below(static_cast<int>(items.size()))];
    }

private:
    std::uint64_t m_state;
};

}  // namespace tolmo::bench
