#include "Median.h"

#include <algorithm>
#include <chrono>

namespace {
constexpr int kWarmUpRuns = 2;
}

namespace Median {

double of(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t mid = samples.size() / 2;
    return samples.size() % 2 ? samples[mid] : (samples[mid - 1] + samples[mid]) / 2;
}

std::vector<double> ms(int runs, const std::vector<Work>& work)
{
    using Clock = std::chrono::steady_clock;
    std::vector<std::vector<double>> samples(work.size());
    for (int i = 0; i < kWarmUpRuns + runs; ++i) {
        for (size_t w = 0; w < work.size(); ++w) {
            if (work[w].prepare)
                work[w].prepare();
            const Clock::time_point start = Clock::now();
            work[w].run();
            const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
            if (i >= kWarmUpRuns)
                samples[w].push_back(elapsed.count());
        }
    }
    std::vector<double> medians;
    for (std::vector<double>& s : samples)
        medians.push_back(of(std::move(s)));
    return medians;
}

double ms(int runs, const std::function<void()>& run, const std::function<void()>& prepare)
{
    return ms(runs, std::vector<Work>{{run, prepare}}).front();
}

} // namespace Median
