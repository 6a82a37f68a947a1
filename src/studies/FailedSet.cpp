#include "studies/FailedSet.h"

#include "engine/DataSet.h"

namespace kvor {

FailedSet CaptureFailedSet(const DataSet& data, FailCode failCode, int setNumber,
                           std::string message) {
    FailedSet failed;
    failed.SetNumber = setNumber;
    failed.FailCode = failCode;
    failed.Message = std::move(message);
    failed.X.assign(data.X.begin(), data.X.begin() + data.N);
    failed.Y.assign(data.Y.begin(), data.Y.begin() + data.N);
    return failed;
}

} // namespace kvor
