#include "graphs/PrintStateText.h"

namespace kvor {

std::string PrintStateText(int code) {
    switch (code) {
    case 1:
        return "Printing KVOR Accuracy dialog";
    case 2:
        return "Printing KVOR Power dialog";
    case 3:
        return "Printing variance function graph";
    case 5:
        return "Printing graph of simulation results";
    case 6:
        return "Printing graph of confidence intervals";
    case 7:
        return "Printing graph of confidence regions";
    case 8:
        return "Printing Confidence Interval and Region details";
    case 10:
        return "Printing graph of sampling lines";
    default:
        return {};
    }
}

} // namespace kvor
