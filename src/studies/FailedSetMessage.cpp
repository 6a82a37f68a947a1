#include "studies/FailedSetMessage.h"

namespace kvor {

namespace {

constexpr const char* SetPrefix = "Calculations for data set #";
constexpr const char* Failed = " failed ";
constexpr const char* NoSpread = "because the range of X-values was either zero or very small.  ";
constexpr const char* Unsuitable = "Such data are unsuitable for regression analysis.";
constexpr const char* TinyVariance =
    "because of a numerical problem caused by a very small predicted variance (very ";
constexpr const char* LargeWeight =
    "large predicted weight) associated with a Y-value close to zero.";
constexpr const char* NonSpecific =
    "Non-specific numerical failure during estimation of Slope and Intercept for data set #";
constexpr const char* Examine = ".  You will need to closely examine ";
constexpr const char* ExamineOLS = "the data and/or the specified Y-variance value.";
constexpr const char* ExamineWeighted =
    "the data and/or the specified variance function parameters.";
constexpr const char* ExportOffer = "The program will export the X, Y pairs for set #";
constexpr const char* ExportQuestion =
    "to text file KVORError.Txt in the program home directory if you wish.  Export data?";

} // namespace

std::string FailedSetMessage(RegressionType regression, FailCode failCode, int setNumber) {
    const std::string n = std::to_string(setNumber);
    std::string text;
    if (failCode == DegenerateSpread) {
        text.append(SetPrefix).append(n).append(Failed);
        if (regression == RegressionType::WLS) {
            text.append(TinyVariance).append(LargeWeight);
        } else {
            text.append(NoSpread).append(Unsuitable);
        }
    } else {
        text.append(NonSpecific).append(n).append(Examine);
        text.append(regression == RegressionType::OLS ? ExamineOLS : ExamineWeighted);
    }
    text.append("\r\r").append(ExportOffer).append(n).append(" ").append(ExportQuestion);
    return text;
}

} // namespace kvor
