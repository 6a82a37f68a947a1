#pragma once

#include "engine/DesignLimits.h"

namespace kvor {

enum class RegressionType { OLS, WLS, Deming };
enum class XDistribution { Uniform, CentrallyLocated, RightSkewed };
enum class DataSource { Generate, Import };
enum class ImportSampling { Random, Sequential };
enum class EstimationMode { Automatic, SpecifiedN };

// How one method's random error varies with the level measured.
// Form 2: (B1 + B2*v)**J (Para 0), B1*(B2 - v)**J (Para -1), B1*(B2 + v)**J (Para +1);
// Form 3: B1 + B2*(v**J); Form 4: B1 + B2*v + B3*(v**J).
struct VarianceFunction {
    int Form = static_cast<int>(DesignLimit(DesignField::Form).Default);
    int Para = static_cast<int>(DesignLimit(DesignField::Para).Default);
    double B1 = DesignLimit(DesignField::B1).Default;
    double B2 = DesignLimit(DesignField::B2).Default;
    double B3 = DesignLimit(DesignField::B3).Default;
    double J = DesignLimit(DesignField::J).Default;
};

// One run's settings, copied from a tab once at the start of the run.
// The member initialisers are the defaults of the main window's controls (DesignLimits.h).
struct StudyDesign {
    double TrueSlope = DesignLimit(DesignField::TrueSlope).Default;
    double TrueIntercept = DesignLimit(DesignField::TrueIntercept).Default;
    double ActualSlope = DesignLimit(DesignField::ActualSlope).Default;
    double ActualIntercept = DesignLimit(DesignField::ActualIntercept).Default;
    int N = static_cast<int>(DesignLimit(DesignField::N).Default);
    int SetsPerRun = static_cast<int>(DesignLimit(DesignField::SetsPerRun).Default);
    kvor::DataSource DataSource = DataSource::Generate;
    double XMin = DesignLimit(DesignField::XMin).Default;
    double XMax = DesignLimit(DesignField::XMax).Default;
    XDistribution XDist = XDistribution::Uniform;
    kvor::ImportSampling ImportSampling = ImportSampling::Random;
    RegressionType Regression = RegressionType::OLS;
    double ConstantVariance = DesignLimit(DesignField::ConstantVariance).Default;
    VarianceFunction YVariance;
    VarianceFunction XVariance;
    bool FixedSeed = false;
    bool BeepOnCompletion = false;
    int DetectionRate = DefaultDetectionRate;
    double Significance = DefaultSignificance;
    kvor::EstimationMode EstimationMode = EstimationMode::Automatic;
};

} // namespace kvor
