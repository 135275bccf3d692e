// The curve of a loading model, as the loading display draws it: one model
// of the loading model's data file (a model file of the program's folder),
// unscaled, in FailConv and FailLoad, with the axes it is drawn against, and
// the load on it at a photo step's convergence.
#pragma once

#include <optional>
#include <string>

namespace vesk {

// The axes of the curve box: the labels at the top of the load axis and
// the right end of the convergence axis (LbYmax, LbXmax), and the load
// (tons) and convergence (in) at those edges.
struct LoadingAxes {
    std::string loadText = "100", convText = "12";
    float loadMax = 100, convMax = 12;
};

// The axes for a model's plot maxima (tons, in). A maximum of 0 or less
// stands for 100 tons or 12 in. In metric display each top is rounded up to
// a nice metric value, which its label shows; the edges stay in tons and
// inches.
LoadingAxes LoadingAxesFor(double loadMax, double convMax);

// Reads loading model m (its index in FailModelFile and FotoCount) into
// FailConv and FailLoad (element 0 of FailConv the point count): model
// FailModelNo of its file, the file's last one when it holds fewer, its
// first for a number below 1. No other global changes. On failure, explained
// in `reason` when given, the curve has no points and the axes are those of
// a model without maxima.
bool ReadLoadingCurve(int m, LoadingAxes& axes, std::string* reason = nullptr);

// The load (tons) on the curve in FailConv/FailLoad at convergence c (in):
// from the origin to the first point along a straight line, between points
// interpolated (the mean of the two where they share a convergence).
// nullopt when the curve has no points, c is negative or beyond the last
// point, or the convergences do not rise to c.
std::optional<float> LoadAtStep(double c);

}  // namespace vesk
