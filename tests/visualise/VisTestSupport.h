#pragma once

#include "engine/DataSet.h"
#include "engine/DataSetDrawing.h"

#include <vector>

namespace vistest {

inline kvor::DataSet MakeSet(const std::vector<double>& x, const std::vector<double>& y) {
    kvor::DataSet data;
    data.N = static_cast<int>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        data.X[i] = x[i];
        data.Y[i] = y[i];
    }
    data.SetXMin = data.X[0];
    data.SetXMax = data.X[0];
    for (int i = 0; i < data.N; ++i) {
        data.SetXMin = data.X[i] < data.SetXMin ? data.X[i] : data.SetXMin;
        data.SetXMax = data.X[i] > data.SetXMax ? data.X[i] : data.SetXMax;
    }
    kvor::GetVMinMax(data);
    return data;
}

// A scattered set about y = 1.1 x + 2 over 1..20 with a fixed pattern of errors.
inline kvor::DataSet ScatteredSet() {
    std::vector<double> x, y;
    const double e[] = {0.7,  -1.2, 0.3,  1.9, -0.4, -1.5, 0.8, 0.1,  -0.9, 1.3,
                        -0.2, 0.6,  -1.7, 1.1, 0.4,  -0.6, 1.6, -1.1, 0.2,  -0.3};
    for (int i = 0; i < 20; ++i) {
        x.push_back(1.0 + i);
        y.push_back(1.1 * (1.0 + i) + 2.0 + e[i]);
    }
    return MakeSet(x, y);
}

} // namespace vistest
