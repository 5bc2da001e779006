#include "core/SyntheticRun.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace lx {
namespace {

// std::mt19937 is the same everywhere; the standard distributions are not, so the few we need
// are written out.
class Random {
public:
    explicit Random(std::uint32_t seed) : m_Engine(seed) {}
    double Uniform() { return (m_Engine() + 0.5) / 4294967296.0; }
    double Between(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    // Irwin-Hall: twelve uniforms minus six is close enough to a unit normal for noise.
    double Normal() {
        double s = 0.0;
        for (int i = 0; i < 12; ++i)
            s += Uniform();
        return s - 6.0;
    }

private:
    std::mt19937 m_Engine;
};

struct Shape {
    double centre;  // sample index of the apex of the Gaussian part
    double height;  // uV, negative for a dip
    double sigma;   // samples
    double tau;     // exponential tail in samples, 0 for a plain Gaussian
};

// Adds one peak into the samples it reaches.
void Render(const Shape& s, std::vector<double>& signal) {
    const double reach = 6.0 * s.sigma + 8.0 * s.tau;
    const auto from = static_cast<std::int64_t>(std::max(0.0, s.centre - 6.0 * s.sigma));
    const auto to = std::min(static_cast<std::int64_t>(signal.size()),
                             static_cast<std::int64_t>(s.centre + reach) + 1);
    for (std::int64_t i = from; i < to; ++i) {
        const double x = (static_cast<double>(i) - s.centre) / s.sigma;
        double y = std::exp(-0.5 * x * x);
        if (s.tau > 0 && i > s.centre)  // a tail that decays slower than the Gaussian
            y = std::max(y, 0.6 * std::exp(-(static_cast<double>(i) - s.centre) / s.tau) *
                                std::exp(-0.5 * std::min(x * x, 1.0)));
        signal[static_cast<std::size_t>(i)] += s.height * y;
    }
}

std::vector<Shape> PlanPeaks(Random& random, std::size_t count, const SyntheticRunOptions& o) {
    std::vector<Shape> shapes;
    double at = o.peakSpacing * random.Between(0.3, 0.8);
    while (at < static_cast<double>(count)) {
        const double height = std::exp(random.Between(std::log(500.0), std::log(300000.0)));
        const double sigma = random.Between(6.0, 30.0);
        const double kind = random.Uniform();
        if (kind < 0.45) {
            shapes.push_back({at, height, sigma, 0.0});
        } else if (kind < 0.65) {
            shapes.push_back({at, height, sigma, sigma * random.Between(1.5, 4.0)});
        } else if (kind < 0.82) {  // fused pair: a valley between two close peaks
            shapes.push_back({at, height, sigma, 0.0});
            shapes.push_back({at + sigma * random.Between(2.6, 3.6),
                              height * random.Between(0.3, 1.2), sigma, 0.0});
        } else if (kind < 0.95) {  // a small rider on the tail of a large peak
            const double parent = std::max(height * 5, 50000.0);
            const double tau = sigma * random.Between(3.0, 5.0);
            shapes.push_back({at, parent, sigma, tau});
            // Far enough down the tail to be skimmed, tall enough to be seen against its fall.
            shapes.push_back({at + tau * random.Between(5.0, 6.0),
                              parent / random.Between(130.0, 170.0),
                              sigma * random.Between(0.8, 1.2), 0.0});
        } else {
            shapes.push_back({at, -height * 0.2, sigma, 0.0});
        }
        at += o.peakSpacing * random.Between(0.6, 1.4);
    }
    return shapes;
}

}  // namespace

CTzLabDoc MakeSyntheticRun(const SyntheticRunOptions& o) {
    CTzLabDoc doc;
    doc.m_ChannelSetup.rate = o.rate;
    doc.m_ChannelSetup.stopTime = o.minutes;
    doc.m_SampleName = "synthetic";
    const auto count = static_cast<std::size_t>(std::max(0.0, o.minutes * 60.0 * o.rate));
    // As a recorded run's end leaves it: the time axis no longer than the run.
    doc.m_ChannelSetup.timeMax =
        static_cast<std::int32_t>(std::min<std::size_t>(count, doc.m_ChannelSetup.timeMax));
    Random random(o.seed);
    std::vector<double> signal(count, 0.0);
    std::vector<Shape> shapes;
    for (const SyntheticPeak& p : o.peaks)
        shapes.push_back(
            {p.minutes * 60.0 * o.rate, p.height * o.scale, p.sigmaSeconds * o.rate, 0.0});
    if (o.peaks.empty())
        shapes = PlanPeaks(random, count, o);
    for (const Shape& s : shapes)
        Render(s, signal);
    doc.m_Samples.Resize(count);
    std::int32_t* out = doc.m_Samples.data();
    for (std::size_t i = 0; i < count; ++i) {
        const double minutes = static_cast<double>(i) / o.rate / 60.0;
        const double v = o.baseline + o.drift * minutes + signal[i] + o.noise * random.Normal();
        out[i] = static_cast<std::int32_t>(std::clamp(std::lround(v), -2500000L, 2500000L));
    }
    return doc;
}

}  // namespace lx
