#include "engine/RunWorkspace.h"
#include "visualise/VisFits.h"

namespace kvor {

bool VisFitDataSet(RunWorkspace& ws, const VisFitSettings& settings, const RunControl& control,
                   VisSetFit& fit) {
    switch (ws.Design.Regression) {
    case RegressionType::OLS:
        return VisOLSRegression(ws.DataSet, settings, control, fit);
    case RegressionType::WLS:
        return VisWLSRegression(ws.Design, ws.DataSet, settings, control, ws.WLSScratch, fit);
    case RegressionType::Deming:
        return VisDemingRegression(ws.Design, ws.CriticalValues, ws.DataSet, settings, control,
                                   ws.Deming, fit);
    }
    return false;
}

} // namespace kvor
