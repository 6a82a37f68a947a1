#pragma once

namespace kvor::cli {

inline constexpr const char* Usage =
    R"(usage: kvor-cli accuracy [design options] [--json] [--dump-sets FILE] [--dump-fits FILE] [--export-failed FILE]
                         [--plot lines|params --plot-out FILE [--plot-format bmp|emf|png|pdf]]
       kvor-cli power    [design options] [--json]
       kvor-cli check    [design options] [--tab accuracy|power]
       kvor-cli vfcheck  [design options] [--tab accuracy|power] [--json]
                         [--plot variance|sd|cv --plot-out FILE [--plot-format bmp|emf|png|pdf]]
       kvor-cli visualise [design options] --vis-n N [--vis-sets 10|100|250|500|1000]
                [--run intervals|region] [--no-also] [--seed S] [--json]
                [--dump-vis FILE] [--dump-outlines FILE] [--report]
                [--plot intervals|regions|lines [--partition CLASSES] --plot-out FILE
                 [--plot-format bmp|emf|png|pdf]]
       kvor-cli --help
       kvor-cli --version

Headless runs of KVOR's Accuracy and Power studies, of the visualisation of a Power design, of
the design checks and of the checks "View Variance Functions" makes before its plot opens
(vfcheck: exit 0 when it would open). The visualise command takes the Power tab's design options;
its run computes the other criterion too unless --no-also (a specified-N design always computes
both).
visualise --report prints the run's details report in place of its result labels.

Design options (defaults are the main window's):
  --regression ols|wls|deming            (ols)
  --n N                                  (100)   Accuracy N; Power: N of specified mode
  --sets S                               (1000)  data sets per run, 1000 to 10000
  --true-slope B --true-intercept A      (1, 0)  the Ideal line on the Power tab
  --actual-slope B --actual-intercept A  (1.01, 0) Power only
  --xmin V --xmax V                      (10, 100)
  --xdist uniform|central|skewed         (uniform)
  --variance V                           (1) constant Y variance of OLS
  --yvf FORM,PARA,B1,B2,B3,J             (2,0,1,0,0,1) Y-variance function
  --xvf FORM,PARA,B1,B2,B3,J             (2,0,1,0,0,1) X-variance function
  --fixed-seed                           seed = sets x N
  --seed S                               every seeding of the run uses S
  --threads T                            (all cores) threads drawing and fitting, 1 to 256;
                                         every count gives the same results
  --import FILE [--separator comma|tab|space|CHAR]
  --sampling random|sequential           (random)
  --mode auto|specified                  (auto)
  --detection 80|90|95                   (90)
  --significance 0.05|0.01               (0.05)

Pictures: --plot draws the sampling lines or the parameter space of the run, 1920 x 1440 as the
plot window exports it with the default graph options; the format follows the extension. With
vfcheck it draws the variance-function plot as its window exports it when it has just opened.
For visualise, --plot draws the run's confidence intervals, regions or sampling lines as the
confidence plot exports them at its start settings; --partition nd,pb,cb,both (intervals) or
nd,bd (regions) draws only those classes, in that order, in their colours.

Exit status: 0 done, 2 bad command line, 3 a data set failed or a visualisation did not
complete, 4 design refused, 5 import refused.
)";

} // namespace kvor::cli
