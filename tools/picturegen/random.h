#pragma once
// Seeded randomness for the generator: the same key always gives the same picture, on every
// machine, so nothing here may depend on the standard library's distributions.

#include <QString>

#include <cstdint>
#include <vector>

namespace picturegen {

class Random {
public:
    explicit Random(const QString& seedText);

    double next(); // [0, 1)
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint64_t m_state;
};

// Smooth value noise on a square lattice, summed over a few octaves; values roughly in [-1, 1].
class Noise {
public:
    Noise(Random& random, int latticeSize);

    double at(double x, double y, int octaves) const;

private:
    double lattice(int x, int y) const;
    double smooth(double x, double y) const;

    int m_size;
    std::vector<double> m_values;
};

} // namespace picturegen
