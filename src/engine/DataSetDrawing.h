#pragma once

namespace kvor {

struct DataSet;
struct ImportedData;
struct StudyDesign;
struct TargetDesign;
class RandomGenerator;

// Draws data set number setNumber (1-based) of a run into data: around the target design for
// generated data, from imported (which may be null for generated data) otherwise. The order of
// draws is fixed so that a fixed seed reproduces every set. Returns false, leaving the set
// unusable, when the imported pool cannot supply the set (no pairs, or too few for sequential
// sampling); generated sets always succeed.
bool DrawDataSet(const StudyDesign& design, const TargetDesign& target,
                 const ImportedData* imported, int setNumber, RandomGenerator& generator,
                 DataSet& data);

// Y extremes of the drawn set into SetYMin and SetYMax (start values 1e15 and 0).
void GetVMinMax(DataSet& data);

// Steps the generator exactly as DrawDataSet would for this set, without drawing anything: the
// uniforms of every deviate or pool index, none where DrawDataSet would refuse the set. This is
// what lets later sets be drawn elsewhere from their own starting state.
void SkipDataSet(const StudyDesign& design, const TargetDesign& target,
                 const ImportedData* imported, RandomGenerator& generator);

} // namespace kvor
