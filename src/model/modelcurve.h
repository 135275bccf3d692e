// One model's load-convergence curve as a model file holds it.
#pragma once

#include <cstdint>
#include <vector>

namespace vesk {

// The free cable length (in) that a cable-bolt curve is taken to hold for
// when the file gives none.
inline constexpr float kDefaultCabRefLen = 60;

// Load factor of a standing-support model at an entry height (in):
// htA + htB * entryHt / 12, kept within 0.5 to 2.
inline float HeightFactor(float htA, float htB, float entryHt)
{
    double f = static_cast<double>(htA) + static_cast<double>(htB) * entryHt / 12.0;
    if (f < 0.5)
        f = 0.5;
    if (f > 2.0)
        f = 2.0;
    return static_cast<float>(f);
}

// The loads are unscaled; the record carries what is needed to scale them
// (the height factor's terms of a standing model, the free cable length of a
// cable-bolt model).
struct ModelCurve {
    int16_t numModels = 0;   // models in the file
    int16_t model = 0;       // the model read, 0-based
    bool cable = false;      // the file's layout flag
    float htA = 0, htB = 0;  // standing: load factor htA + htB * entry height / 12
    float refLen = 0;        // cable bolt: free length (in) the curve holds for, as given
    float yMax = 0, xMax = 0;  // the model's plot maxima (load, convergence), as given
    std::vector<float> conv, load;
};

}  // namespace vesk
