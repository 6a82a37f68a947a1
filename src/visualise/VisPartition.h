#pragma once

#include "visualise/BiasType.h"

#include <array>
#include <vector>

namespace kvor {

struct GraphOptions;
struct RgbColour;
struct VisRun;

// The classes chosen for the partition view, in the order their boxes were checked: each slot
// holds a class code or -1, Count is the number of the last occupied slot.
template <int SlotCount> struct ClassSelection {
    std::array<int, SlotCount> Slots = Free();
    int Count = 0;

    // Into the first free slot; a code already chosen stays where it is.
    void AddBiasType(int code) {
        if (Contains(code)) {
            return;
        }
        for (int& slot : Slots) {
            if (slot < 0) {
                slot = code;
                break;
            }
        }
        Recount();
    }
    // Frees the code's slot; the later ones move one place forward.
    void SubtractBiasType(int code) {
        int to = 0;
        for (const int slot : Slots) {
            if (slot >= 0 && slot != code) {
                Slots[static_cast<std::size_t>(to++)] = slot;
            }
        }
        for (; to < SlotCount; ++to) {
            Slots[static_cast<std::size_t>(to)] = -1;
        }
        Recount();
    }
    bool Contains(int code) const {
        for (const int slot : Slots) {
            if (slot == code) {
                return true;
            }
        }
        return false;
    }
    // The chosen codes in drawing order.
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (int i = 0; i < Count; ++i) {
            if (Slots[static_cast<std::size_t>(i)] >= 0) {
                codes.push_back(Slots[static_cast<std::size_t>(i)]);
            }
        }
        return codes;
    }
    void Clear() { *this = ClassSelection{}; }

private:
    static std::array<int, SlotCount> Free() {
        std::array<int, SlotCount> freed{};
        freed.fill(-1);
        return freed;
    }
    void Recount() {
        Count = 0;
        for (int i = 0; i < SlotCount; ++i) {
            if (Slots[static_cast<std::size_t>(i)] >= 0) {
                Count = i + 1;
            }
        }
    }
};

// Codes 0..3 are the BiasType values.
using IntervalClassSelection = ClassSelection<BiasTypeCount>;
// Code 0 not detected, 1 detected.
using RegionClassSelection = ClassSelection<2>;

struct PartitionFlags {
    bool CanPartitionIntervals = false;
    bool CanPartitionRegions = false;
};

// Intervals partition only when the run has intervals not all of one class; regions only when it
// has regions with both outcomes.
PartitionFlags PartitionFlagsOf(const VisRun& run);

// The graph types of the options view; the numbers are their plot modes.
enum class VisGraphType { Lines = 0, Intervals = 1, Regions = 2 };

// Which graph types a run offers and the one it starts on.
struct GraphTypeAvailability {
    bool CIRadioButton = true;
    bool CRRadioButton = true;
    bool CIRB = true;
    bool CRRB = true;
    VisGraphType Start = VisGraphType::Intervals;
};
// runSelector 1 is the intervals run, 2 the region run.
GraphTypeAvailability GraphTypesOf(int runSelector, const VisRun& run, PartitionFlags flags);

// CIRB / CRRB on entering the partition view from the options view's type.
struct PartitionRadios {
    bool CIRBEnabled = false;
    bool CRRBEnabled = false;
    bool RegionsSelected = false;
};
PartitionRadios PartitionRadiosFrom(VisGraphType from, PartitionFlags flags);

// Enabling of the options view.
struct OptionsViewEnabling {
    bool DataControls = true; // DOTCB, point size label and spin edit
    bool Colours = true;      // BG, Graph, Title and Lines colour labels and boxes
    bool DataColour = true;   // Data colour label and box
    bool PartitionButton = false;
};
OptionsViewEnabling OptionsEnablingOf(VisGraphType type, bool blackWhite, PartitionFlags flags);

// Index of the class boxes: NoneCB, PropCB, ConstCB, BothCB, DetCB.
inline constexpr int ClassBoxCount = 5;
inline constexpr int DetBox = 4;

struct ClassBoxEnabling {
    std::array<bool, ClassBoxCount> Box{};
    std::array<bool, ClassBoxCount> ColourLabel{};
    std::array<bool, ClassBoxCount> ColourBox{};
};
// UpdatePartitionDesign: boxes of classes the run has, only while Partitioned is selected.
ClassBoxEnabling PartitionDesignOf(const VisRun& run, bool regions, bool partitioned);

// The box of a class code of the kind, and the code of a box (-1 for a box the kind lacks).
int ClassBoxOf(bool regions, int code);
int ClassCodeOf(bool regions, int box);

// CheckOutput: an empty partitioned picture is never exported or printed.
inline bool PartitionOutputEnabled(bool partitioned, int selectionCount) {
    return !partitioned || selectionCount > 0;
}

// The stored sets (0-based, in stored order) of one class of the kind.
std::vector<int> SetsOfClass(const VisRun& run, bool regions, int code);

// The colour of a class of the kind.
RgbColour ClassColour(const GraphOptions& options, bool regions, int code);

} // namespace kvor
