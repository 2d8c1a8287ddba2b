// SPDX-License-Identifier: GPL-3.0-or-later
#include "detection_accuracy.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "analysis/carrier_detection.h"
#include "analysis/sweep.h"
#include "data/record_lists.h"

namespace mirelta::bench {
namespace {

using analysis::Carrier;

constexpr double kCountedCn = 6;
constexpr double kCountedPoints = 3;
constexpr double kCnFrom = 6;
constexpr double kCnTo = 20;

struct Tally {
    int counted = 0;
    int detected = 0;
    int unmatched = 0;
    int falseOnNoise = 0;
    std::vector<double> centreSteps;      // |error| / FreqStep
    std::vector<double> bandwidthOfGoal;  // |error| / max(2 FreqStep, 10 %)
    std::vector<double> cnDb;             // signed error
    std::vector<double> floorDb;          // signed error, every sweep
    std::vector<double> fittedCnDb;       // signed errors of the yardsticks below
    std::vector<double> fittedOnFloorCnDb;
};

double Percentile95(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(0.95 * static_cast<double>(values.size() - 1))];
}

double Mean(const std::vector<double>& values) {
    double sum = 0;
    for (const double value : values) {
        sum += value;
    }
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

// The unused detection nearest the carrier, within half its symbol rate or a step.
std::optional<std::size_t> Match(const TrueCarrier& truth, const std::vector<Carrier>& found,
                                 std::vector<bool>& used, int freqStep) {
    const double tolerance = std::max(truth.symbolRateMsps / 2, static_cast<double>(freqStep));
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const double error = std::abs(found[i].centreMHz - truth.centreMHz);
        if (!used[i] && error <= tolerance &&
            (!best || error < std::abs(found[*best].centreMHz - truth.centreMHz))) {
            best = i;
        }
    }
    if (best) {
        used[*best] = true;
    }
    return best;
}

// The yardsticks for C/N: a carrier's C/N fitted to its own points by least squares in dB,
// knowing all else (its centre, symbol rate and roll-off, the other carriers, and the floor: the
// true one, or the one the analysis estimated). An estimate from one sweep that knows none of
// these cannot expect to do better.
double FittedCn(const SyntheticSweep& sweep, double floor, const analysis::Sweep& analysed,
                const TrueCarrier& truth) {
    const double noise = std::pow(10.0, floor / 10);
    const auto power = [&](const TrueCarrier& carrier, double frequency) {
        return noise * std::pow(10.0, carrier.cn / 10) *
               RaisedCosine(frequency - carrier.centreMHz, carrier);
    };
    struct Point {
        int level;
        double besides;  // the noise's and the other carriers' power
        double shape;
    };
    std::vector<Point> points;
    for (const analysis::SweepPoint& point : analysed.points) {
        const double shape = RaisedCosine(point.frequencyMHz - truth.centreMHz, truth);
        if (point.level == 0 || shape <= 0) {
            continue;
        }
        double besides = noise;
        for (const TrueCarrier& other : sweep.carriers) {
            // No two carriers of a sweep share a centre: the one at truth's is truth itself.
            besides += other.centreMHz == truth.centreMHz ? 0 : power(other, point.frequencyMHz);
        }
        points.push_back({point.level, besides, shape});
    }
    const auto misfit = [&](double cn) {
        double sum = 0;
        for (const Point& point : points) {
            const double model =
                10 * std::log10(point.besides + noise * std::pow(10.0, cn / 10) * point.shape);
            sum += (point.level - model) * (point.level - model);
        }
        return sum;
    };
    // The misfit has one minimum in C/N: a golden-section search finds it.
    constexpr double kGolden = 0.6180339887498949;
    double low = truth.cn - 10;
    double high = truth.cn + 10;
    double a = high - kGolden * (high - low);
    double b = low + kGolden * (high - low);
    double misfitA = misfit(a);
    double misfitB = misfit(b);
    // Each step keeps one of its two inner points: one new misfit per step.
    while (high - low > 1e-3) {
        if (misfitA < misfitB) {
            high = b;
            b = a;
            misfitB = misfitA;
            a = high - kGolden * (high - low);
            misfitA = misfit(a);
        } else {
            low = a;
            a = b;
            misfitA = misfitB;
            b = low + kGolden * (high - low);
            misfitB = misfit(b);
        }
    }
    return (low + high) / 2;
}

void Score(const SyntheticSweep& sweep, const SpectrumRecord& record, Tally& tally) {
    const analysis::Sweep analysed = analysis::SweepOf(record);
    const analysis::SweepAnalysis analysis = analysis::DetectCarriers(analysed);
    const std::vector<Carrier>& found = analysis.carriers;
    if (analysis.floor) {
        tally.floorDb.push_back(*analysis.floor - sweep.floor);
    }
    if (sweep.carriers.empty()) {
        tally.falseOnNoise += static_cast<int>(found.size());
        return;
    }
    const double step = sweep.freqStep;
    const double top = analysed.points.front().frequencyMHz;
    const double bottom = analysed.points.back().frequencyMHz;
    std::vector<bool> used(found.size(), false);
    std::vector<TrueCarrier> byStrength = sweep.carriers;
    std::sort(byStrength.begin(), byStrength.end(),
              [](const TrueCarrier& a, const TrueCarrier& b) { return a.cn > b.cn; });
    for (const TrueCarrier& truth : byStrength) {
        const auto match = Match(truth, found, used, sweep.freqStep);
        const bool counted = truth.cn >= kCountedCn &&
                             truth.symbolRateMsps >= kCountedPoints * step &&
                             truth.centreMHz <= top && truth.centreMHz >= bottom;
        if (!counted) {
            continue;
        }
        ++tally.counted;
        if (!match) {
            continue;
        }
        ++tally.detected;
        const Carrier& carrier = found[*match];
        const double reach = truth.symbolRateMsps * (1 + truth.rollOff) / 2;
        if (truth.centreMHz + reach <= top && truth.centreMHz - reach >= bottom) {
            tally.centreSteps.push_back(std::abs(carrier.centreMHz - truth.centreMHz) / step);
            tally.bandwidthOfGoal.push_back(std::abs(carrier.bandwidthMHz - truth.symbolRateMsps) /
                                            std::max(2 * step, 0.1 * truth.symbolRateMsps));
        }
        if (truth.cn >= kCnFrom && truth.cn <= kCnTo) {
            tally.cnDb.push_back(carrier.cn - truth.cn);
            tally.fittedCnDb.push_back(FittedCn(sweep, sweep.floor, analysed, truth) - truth.cn);
            tally.fittedOnFloorCnDb.push_back(
                FittedCn(sweep, analysis.floor.value_or(sweep.floor), analysed, truth) - truth.cn);
        }
    }
    tally.unmatched += static_cast<int>(std::count(used.begin(), used.end(), false));
}

struct ErrorSpread {
    double rms = 0;
    double percentile95 = 0;  // of the magnitude
};

ErrorSpread SpreadOf(const std::vector<double>& errors) {
    std::vector<double> magnitudes;
    double squares = 0;
    for (const double error : errors) {
        magnitudes.push_back(std::abs(error));
        squares += error * error;
    }
    return {errors.empty() ? 0 : std::sqrt(squares / static_cast<double>(errors.size())),
            Percentile95(magnitudes)};
}

void Row(std::ostream& out, const std::string& what, const std::string& figure,
         const std::string& goal, const char* met) {
    char line[200];
    std::snprintf(line, sizeof line, "| %-58s | %-13s | %-13s | %-3s |\n", what.c_str(),
                  figure.c_str(), goal.c_str(), met);
    out << line;
}

std::string Fixed(double value, int decimals, const char* unit = "") {
    char text[40];
    std::snprintf(text, sizeof text, "%.*f%s", decimals, value, unit);
    return text;
}

}  // namespace

std::vector<SpectrumRecord> RecordsOf(const std::vector<SyntheticSweep>& sweeps) {
    std::vector<SpectrumRecord> records;
    for (std::size_t from = 0; from < sweeps.size(); from += SourceImage::kSpectrumSlots) {
        fixtures::ImageBuilder builder;
        const std::size_t to = std::min(sweeps.size(), from + SourceImage::kSpectrumSlots);
        for (std::size_t i = from; i < to; ++i) {
            builder.addSpectrum(static_cast<int>(i - from), sweeps[i].fields);
        }
        SourceImage image = builder.image();
        const RecordLists lists = Load(image);
        records.insert(records.end(), lists.spectrum.begin(),
                       lists.spectrum.begin() + lists.spectrumCount);
    }
    return records;
}

void PrintDetectionAccuracy(std::ostream& out, std::uint32_t seed, int sweeps, int noiseSweeps) {
    SweepGenerator generator(seed);
    std::vector<SyntheticSweep> drawn;
    for (int i = 0; i < sweeps; ++i) {
        drawn.push_back(generator.next(Layout::Scattered));
        drawn.push_back(generator.next(Layout::Packed));
    }
    for (int i = 0; i < noiseSweeps; ++i) {
        drawn.push_back(generator.next(Layout::NoiseOnly));
    }
    const std::vector<SpectrumRecord> records = RecordsOf(drawn);
    Tally tally;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        Score(drawn[i], records[i], tally);
    }

    const double rate = tally.counted ? 100.0 * tally.detected / tally.counted : 0;
    const double centre = Percentile95(tally.centreSteps);
    const double bandwidth = Percentile95(tally.bandwidthOfGoal);
    const ErrorSpread cn = SpreadOf(tally.cnDb);
    const ErrorSpread floor = SpreadOf(tally.floorDb);
    const ErrorSpread fitted = SpreadOf(tally.fittedCnDb);
    const ErrorSpread fittedOnFloor = SpreadOf(tally.fittedOnFloorCnDb);
    out << "Carrier detection on synthetic sweeps, seed " << seed << ": " << sweeps
        << " scattered and " << sweeps << " packed sweeps, " << noiseSweeps << " noise-only\n";
    Row(out, "what", "figure", "goal", "met");
    out << "|------------------------------------------------------------|---------------|"
           "---------------|-----|\n";
    const auto met = [](bool yes) { return yes ? "yes" : "NO"; };
    Row(out,
        "detected: C/N >= 6 dB, >= 3 points wide (" + std::to_string(tally.detected) + " of " +
            std::to_string(tally.counted) + ")",
        Fixed(rate, 2, " %"), ">= 95 %", met(rate >= 95));
    Row(out, "false carriers on " + std::to_string(noiseSweeps) + " noise-only sweeps",
        std::to_string(tally.falseOnNoise), "0", met(tally.falseOnNoise == 0));
    Row(out, "centre error, 95th pct (" + std::to_string(tally.centreSteps.size()) + " carriers)",
        Fixed(centre, 2, " FreqStep"), "<= 1 FreqStep", met(centre <= 1));
    Row(out, "bandwidth error, 95th pct, of max(2 FreqStep, 10 %)", Fixed(bandwidth, 2), "<= 1",
        met(bandwidth <= 1));
    Row(out, "C/N error 6-20 dB, rms (" + std::to_string(tally.cnDb.size()) + " carriers)",
        Fixed(cn.rms, 2, " dB"), "<= 1 dB", met(cn.rms <= 1));
    Row(out, "C/N error 6-20 dB, 95th pct", Fixed(cn.percentile95, 2, " dB"), "<= 1 dB",
        met(cn.percentile95 <= 1));
    Row(out, "floor error, dB rms / 95th pct (" + std::to_string(tally.floorDb.size()) + " sweeps)",
        Fixed(floor.rms, 2) + " / " + Fixed(floor.percentile95, 2), "-", "");
    Row(out, "  yardstick: fitted knowing all but C/N, dB rms / 95th pct",
        Fixed(fitted.rms, 2) + " / " + Fixed(fitted.percentile95, 2), "-", "");
    Row(out, "  the same on the estimated floor, dB rms / 95th pct",
        Fixed(fittedOnFloor.rms, 2) + " / " + Fixed(fittedOnFloor.percentile95, 2), "-", "");
    Row(out, "  95th pct: ratio to the yardstick on the estimated floor",
        Fixed(cn.percentile95 / fittedOnFloor.percentile95, 2), "-", "");
    Row(out, "C/N error 6-20 dB, mean", Fixed(Mean(tally.cnDb), 2, " dB"), "-", "");
    Row(out, "detections near no true carrier, carrier sweeps", std::to_string(tally.unmatched),
        "-", "");
}

}  // namespace mirelta::bench
