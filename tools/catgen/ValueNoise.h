#pragma once

#include <cstdint>

// Seeded value noise over the unit square that tiles: a lattice of `cellsX` by `cellsY` cells
// wraps at the square's edges, so textures made from it repeat without seams.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed) : seed(seed) {}

    // Smoothly interpolated lattice values in 0..1 at (u, v), both in 0..1.
    double Sample(double u, double v, int cellsX, int cellsY, std::uint32_t layer = 0) const;

    // Fractal sum of `octaves` layers, each with twice the cells and `gain` times the weight of the
    // one before; normalised to 0..1.
    double Fractal(double u, double v, int cellsX, int cellsY, int octaves, double gain = 0.5) const;

private:
    double Lattice(int x, int y, std::uint32_t layer) const;

    std::uint32_t seed;
};
