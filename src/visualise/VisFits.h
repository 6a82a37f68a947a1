#pragma once

namespace kvor {

struct CriticalValues;
struct DataSet;
struct DemingScratch;
struct RunControl;
struct RunWorkspace;
struct StudyDesign;
struct VisFitSettings;
struct VisSetFit;
struct WLSScratch;

// The fits of the visualisation: the estimates and standard errors of the run fits, and for
// plotting the set's limits, bias type, region test and region outline. Each returns false,
// storing nothing the caller keeps, when the set cannot be fitted or the run was aborted at one of
// its checks; no set is ever reported as failed.

bool VisOLSRegression(const DataSet& data, const VisFitSettings& settings,
                      const RunControl& control, VisSetFit& fit);

// Reweights until the slope settles within 21 passes; unlike the run fit it never goes back to
// the weights at the observed values.
bool VisWLSRegression(const StudyDesign& design, const DataSet& data,
                      const VisFitSettings& settings, const RunControl& control,
                      WLSScratch& scratch, VisSetFit& fit);

// `crit` serves only the run fit that is reused here.
bool VisDemingRegression(const StudyDesign& design, const CriticalValues& crit, const DataSet& data,
                         const VisFitSettings& settings, const RunControl& control,
                         DemingScratch& scratch, VisSetFit& fit);

// The fit of the workspace's regression for its current data set.
bool VisFitDataSet(RunWorkspace& ws, const VisFitSettings& settings, const RunControl& control,
                   VisSetFit& fit);

} // namespace kvor
