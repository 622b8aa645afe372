#pragma once

#include <functional>
#include <vector>

// Wall-clock timing of pieces of work: a few warm-up runs, then the median of many.
namespace Median {

struct Work
{
    std::function<void()> run;     // timed
    std::function<void()> prepare; // untimed, before every run; may be empty
};

// Milliseconds of each piece of work, median over the given number of runs after two warm-up
// runs. The pieces take turns run by run, so that a figure and the one it is compared with see
// the same load of the machine.
std::vector<double> ms(int runs, const std::vector<Work>& work);
double ms(int runs, const std::function<void()>& run, const std::function<void()>& prepare = {});

// The median of a set of samples (the mean of the middle two for an even count).
double of(std::vector<double> samples);

} // namespace Median
