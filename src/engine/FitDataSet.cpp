#include "engine/FitDataSet.h"

#include "engine/DemingRegression.h"
#include "engine/OLSRegression.h"
#include "engine/RunWorkspace.h"
#include "engine/WLSRegression.h"

namespace kvor {

RegressionOutcome FitDataSet(RunWorkspace& ws) {
    switch (ws.Design.Regression) {
    case RegressionType::OLS:
        return DoOLSRegression(ws.Design, ws.CriticalValues, ws.DataSet);
    case RegressionType::WLS:
        return DoWLSRegression(ws.Design, ws.CriticalValues, ws.DataSet, ws.WLSScratch);
    case RegressionType::Deming:
        return DoDemingRegression(ws.Design, ws.CriticalValues, ws.DataSet, ws.Deming);
    }
    RegressionOutcome unknown;
    unknown.FailCode = FloatingPointFailure;
    return unknown;
}

} // namespace kvor
