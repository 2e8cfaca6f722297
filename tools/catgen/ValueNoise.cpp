#include "tools/catgen/ValueNoise.h"

#include <cmath>

namespace {

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

double Smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

int Wrap(int i, int period) {
    const int r = i % period;
    return r < 0 ? r + period : r;
}

} // namespace

double ValueNoise::Lattice(int x, int y, std::uint32_t layer) const {
    const std::uint32_t h = Mix(seed ^ Mix(static_cast<std::uint32_t>(x) * 0x9e3779b1U ^
                                           Mix(static_cast<std::uint32_t>(y) * 0x85ebca6bU + layer)));
    return static_cast<double>(h) / 4294967296.0;
}

double ValueNoise::Sample(double u, double v, int cellsX, int cellsY, std::uint32_t layer) const {
    const double x = u * cellsX;
    const double y = v * cellsY;
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = Wrap(static_cast<int>(fx), cellsX);
    const int y0 = Wrap(static_cast<int>(fy), cellsY);
    const int x1 = Wrap(x0 + 1, cellsX);
    const int y1 = Wrap(y0 + 1, cellsY);
    const double tx = Smooth(x - fx);
    const double ty = Smooth(y - fy);
    const double top = Lattice(x0, y0, layer) + (Lattice(x1, y0, layer) - Lattice(x0, y0, layer)) * tx;
    const double bottom = Lattice(x0, y1, layer) + (Lattice(x1, y1, layer) - Lattice(x0, y1, layer)) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::Fractal(double u, double v, int cellsX, int cellsY, int octaves, double gain) const {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * Sample(u, v, cellsX << octave, cellsY << octave, static_cast<std::uint32_t>(octave));
        total += weight;
        weight *= gain;
    }
    return total > 0.0 ? sum / total : 0.0;
}
