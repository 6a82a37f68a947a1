#pragma once

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
    int Form = 2;
    int Para = 0;
    double B1 = 1;
    double B2 = 0;
    double B3 = 0;
    double J = 1;
};

// One run's settings, copied from a tab once at the start of the run.
// The member initialisers are the defaults of the main window's controls.
struct StudyDesign {
    double TrueSlope = 1;
    double TrueIntercept = 0;
    double ActualSlope = 1.01;
    double ActualIntercept = 0;
    int N = 100;
    int SetsPerRun = 1000;
    kvor::DataSource DataSource = DataSource::Generate;
    double XMin = 10;
    double XMax = 100;
    XDistribution XDist = XDistribution::Uniform;
    kvor::ImportSampling ImportSampling = ImportSampling::Random;
    RegressionType Regression = RegressionType::OLS;
    double ConstantVariance = 1;
    VarianceFunction YVariance;
    VarianceFunction XVariance;
    bool FixedSeed = false;
    bool BeepOnCompletion = false;
    int DetectionRate = 90;
    double Significance = 0.05;
    kvor::EstimationMode EstimationMode = EstimationMode::Automatic;
};

} // namespace kvor
