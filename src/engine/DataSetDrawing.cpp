#include "engine/DataSetDrawing.h"

#include "engine/DataSet.h"
#include "engine/ExtendedMath.h"
#include "engine/ImportedData.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"

#include <cmath>

namespace kvor {

namespace {

void UpdateXExtremes(DataSet& data, double x) {
    if (x <= data.SetXMin) {
        data.SetXMin = x;
    }
    if (x >= data.SetXMax) {
        data.SetXMax = x;
    }
}

void DrawGeneratedOLS(const StudyDesign& design, const TargetDesign& target,
                      RandomGenerator& generator, DataSet& data) {
    const double sd = ToDouble(std::sqrt(static_cast<ext>(design.ConstantVariance)));
    for (int i = 0; i < data.N; ++i) {
        data.X[i] = target.XTarget[i];
        data.Y[i] = generator.NormalDeviate(target.YTarget[i], sd);
    }
}

void DrawGeneratedWLS(const TargetDesign& target, RandomGenerator& generator, DataSet& data) {
    for (int i = 0; i < data.N; ++i) {
        data.X[i] = target.XTarget[i];
        data.Y[i] = generator.NormalDeviate(target.YTarget[i], target.YSD[i]);
    }
}

void DrawGeneratedDeming(const TargetDesign& target, RandomGenerator& generator, DataSet& data) {
    data.SetXMin = 1e12;
    data.SetXMax = 0;
    for (int i = 0; i < data.N; ++i) {
        data.X[i] = generator.NormalDeviate(target.XTarget[i], target.XSD[i]);
        data.Y[i] = generator.NormalDeviate(target.YTarget[i], target.YSD[i]);
        UpdateXExtremes(data, data.X[i]);
    }
}

bool DrawImported(const StudyDesign& design, const ImportedData& imported, int setNumber,
                  RandomGenerator& generator, DataSet& data) {
    const long long count = imported.Count;
    if (count < 1 || count > static_cast<long long>(imported.X.size())) {
        return false;
    }
    data.SetXMin = 1e12;
    data.SetXMax = 0;
    if (design.ImportSampling == ImportSampling::Sequential) {
        const long long first = static_cast<long long>(setNumber - 1) * data.N;
        if (setNumber < 1 || first + data.N > count) {
            return false;
        }
        for (int i = 0; i < data.N; ++i) {
            data.X[i] = imported.X[first + i];
            data.Y[i] = imported.Y[first + i];
            UpdateXExtremes(data, data.X[i]);
        }
        return true;
    }
    const ext last = static_cast<ext>(count - 1);
    for (int i = 0; i < data.N; ++i) {
        // Rounding halves the chance of the first and last pair; that is the sampling rule.
        const auto idx = static_cast<long long>(RoundHalfEven(generator.NextUniform() * last));
        data.X[i] = imported.X[idx];
        data.Y[i] = imported.Y[idx];
        UpdateXExtremes(data, data.X[i]);
    }
    return true;
}

} // namespace

bool DrawDataSet(const StudyDesign& design, const TargetDesign& target,
                 const ImportedData* imported, int setNumber, RandomGenerator& generator,
                 DataSet& data) {
    data.N = design.N;
    if (data.N < 1 || data.N > MaxPairsPerSet) {
        data.N = 0;
        return false;
    }
    if (design.DataSource == DataSource::Import) {
        return imported != nullptr && DrawImported(design, *imported, setNumber, generator, data);
    }
    if (target.N != data.N) {
        return false;
    }
    switch (design.Regression) {
    case RegressionType::OLS:
        data.SetXMin = target.XTarget[data.N - 2];
        data.SetXMax = target.XTarget[data.N - 1];
        DrawGeneratedOLS(design, target, generator, data);
        break;
    case RegressionType::WLS:
        data.SetXMin = target.XTarget[data.N - 2];
        data.SetXMax = target.XTarget[data.N - 1];
        DrawGeneratedWLS(target, generator, data);
        break;
    case RegressionType::Deming:
        DrawGeneratedDeming(target, generator, data);
        break;
    }
    return true;
}

void GetVMinMax(DataSet& data) {
    double lo = 1e15;
    double hi = 0;
    for (int i = 0; i < data.N; ++i) {
        const double y = data.Y[i];
        if (y <= lo) {
            lo = y;
        }
        if (y >= hi) {
            hi = y;
        }
    }
    data.SetYMin = lo;
    data.SetYMax = hi;
}

void SkipDataSet(const StudyDesign& design, const TargetDesign& target,
                 const ImportedData* imported, RandomGenerator& generator) {
    const int n = design.N;
    if (n < 1 || n > MaxPairsPerSet) {
        return;
    }
    if (design.DataSource == DataSource::Import) {
        if (imported == nullptr || imported->Count < 1 ||
            imported->Count > static_cast<long long>(imported->X.size()) ||
            design.ImportSampling == ImportSampling::Sequential) {
            return;
        }
        for (int i = 0; i < n; ++i) {
            generator.NextUniform();
        }
        return;
    }
    if (target.N != n) {
        return;
    }
    const int deviates = design.Regression == RegressionType::Deming ? 2 * n : n;
    for (int i = 0; i < deviates; ++i) {
        generator.SkipDeviate();
    }
}

} // namespace kvor
