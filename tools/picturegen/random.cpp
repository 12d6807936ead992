#include "random.h"

#include <QByteArray>

#include <cmath>

namespace picturegen {

namespace {
std::uint64_t fnv1a(const QByteArray& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

double fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}
} // namespace

Random::Random(const QString& seedText)
    : m_state(fnv1a(seedText.toUtf8())) {
}

double Random::next() {
    // splitmix64
    m_state += 0x9e3779b97f4a7c15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

Noise::Noise(Random& random, int latticeSize)
    : m_size(latticeSize)
    , m_values(static_cast<std::size_t>(latticeSize * latticeSize)) {
    for (double& value : m_values)
        value = random.between(-1.0, 1.0);
}

double Noise::lattice(int x, int y) const {
    const int wrappedX = ((x % m_size) + m_size) % m_size;
    const int wrappedY = ((y % m_size) + m_size) % m_size;
    return m_values[static_cast<std::size_t>(wrappedY * m_size + wrappedX)];
}

double Noise::smooth(double x, double y) const {
    const double floorX = std::floor(x);
    const double floorY = std::floor(y);
    const int ix = static_cast<int>(floorX);
    const int iy = static_cast<int>(floorY);
    const double tx = fade(x - floorX);
    const double ty = fade(y - floorY);
    const double top = lattice(ix, iy) + tx * (lattice(ix + 1, iy) - lattice(ix, iy));
    const double bottom =
        lattice(ix, iy + 1) + tx * (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1));
    return top + ty * (bottom - top);
}

double Noise::at(double x, double y, int octaves) const {
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        // the odd offset keeps octaves from sharing lattice points
        sum += amplitude * smooth(x + 17.3 * octave, y + 5.9 * octave);
        total += amplitude;
        x *= 2.0;
        y *= 2.0;
        amplitude *= 0.5;
    }
    return sum / total;
}

} // namespace picturegen
