#include "LabComparison.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bacc {
namespace {

constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();

struct Moments {
    long double mean = 0;
    long double variance = 0; // of the sample, over n - 1; NaN for one value
};

// Two passes, so that equal values give a variance of exactly 0.
template <typename Value> Moments MomentsOf(std::size_t n, Value value) {
    Moments m;
    if (n == 0) {
        return m;
    }
    for (std::size_t i = 0; i < n; ++i) {
        m.mean += value(i);
    }
    m.mean /= static_cast<long double>(n);
    long double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const long double deviation = value(i) - m.mean;
        squares += deviation * deviation;
    }
    m.variance = n > 1 ? squares / static_cast<long double>(n - 1) : Unknown;
    return m;
}

// The mean of x - y with its paired and unpaired standard errors.
template <typename X, typename Y> Difference MeanDifference(std::size_t n, X x, Y y) {
    const Moments paired = MomentsOf(n, [&](std::size_t i) { return x(i) - y(i); });
    const Moments first = MomentsOf(n, x);
    const Moments second = MomentsOf(n, y);
    const long double count = static_cast<long double>(n);
    return {static_cast<double>(paired.mean), static_cast<double>(std::sqrt(paired.variance / count)),
            static_cast<double>(std::sqrt((first.variance + second.variance) / count))};
}

// By nearest rank, as the studies' own percentiles; reorders the values.
long double Median(std::vector<long double>& values, std::size_t begin, std::size_t end) {
    const auto first = values.begin() + static_cast<std::ptrdiff_t>(begin);
    const auto middle = first + static_cast<std::ptrdiff_t>((end - begin + 1) / 2 - 1);
    std::nth_element(first, middle, values.begin() + static_cast<std::ptrdiff_t>(end));
    return *middle;
}

Difference MedianDifference(std::vector<long double> x, std::vector<long double> y) {
    const std::size_t n = x.size();
    Difference difference{0, Unknown, Unknown};
    if (n == 0) {
        return difference;
    }
    const std::size_t sections = std::min<std::size_t>(MedianSections, n / 10);
    std::vector<long double> xMedians(sections);
    std::vector<long double> yMedians(sections);
    for (std::size_t g = 0; g < sections; ++g) {
        const std::size_t begin = g * n / sections;
        const std::size_t end = (g + 1) * n / sections;
        xMedians[g] = Median(x, begin, end);
        yMedians[g] = Median(y, begin, end);
    }
    difference.value = static_cast<double>(Median(x, 0, n) - Median(y, 0, n));
    if (sections >= 2) {
        const Difference spread = MeanDifference(
            sections, [&](std::size_t g) { return xMedians[g]; }, [&](std::size_t g) { return yMedians[g]; });
        difference.sePaired = spread.sePaired;
        difference.seUnpaired = spread.seUnpaired;
    }
    return difference;
}

} // namespace

Comparison CompareStudies(const std::vector<SessionFigures>& first,
                          const std::vector<SessionFigures>& second) {
    std::vector<const SessionFigures*> a;
    std::vector<const SessionFigures*> b;
    for (std::size_t s = 0; s < std::min(first.size(), second.size()); ++s) {
        if (first[s].finished && second[s].finished) {
            a.push_back(&first[s]);
            b.push_back(&second[s]);
        }
    }
    const std::size_t n = a.size();
    Comparison comparison;
    comparison.pairs = n;
    comparison.meanFinalBankroll = MeanDifference(
        n, [&](std::size_t i) { return static_cast<long double>(a[i]->finalBankroll); },
        [&](std::size_t i) { return static_cast<long double>(b[i]->finalBankroll); });
    comparison.ruinRate = MeanDifference(
        n, [&](std::size_t i) { return static_cast<long double>(a[i]->ruined); },
        [&](std::size_t i) { return static_cast<long double>(b[i]->ruined); });
    std::vector<long double> x(n);
    std::vector<long double> y(n);
    for (std::size_t i = 0; i < n; ++i) {
        x[i] = static_cast<long double>(a[i]->maxDrawdown);
        y[i] = static_cast<long double>(b[i]->maxDrawdown);
    }
    comparison.medianDrawdown = MedianDifference(std::move(x), std::move(y));
    return comparison;
}

ComparisonResult RunComparison(const LabParameters& first, SystemKind system, BetSide side,
                               const RunControl& control) {
    LabParameters p = first;
    p.keepSessions = true;
    const std::uint64_t shoes = p.sessions * static_cast<std::uint64_t>(std::max(p.shoesPerSession, 1));
    const auto play = [&](const LabParameters& study, std::uint64_t shoesBefore) {
        RunControl part = control;
        if (control.progress) {
            part.progress = [&control, shoesBefore, shoes](std::uint64_t done, std::uint64_t) {
                control.progress(shoesBefore + done, 2 * shoes);
            };
        }
        return RunLab(study, part);
    };
    ComparisonResult result;
    result.first = play(p, 0);
    p.system = system;
    p.side = side;
    // After a cancel the second study plays nothing: the cancel stays set.
    result.second = play(p, shoes);
    result.difference = CompareStudies(result.first.bySession, result.second.bySession);
    return result;
}

} // namespace bacc
