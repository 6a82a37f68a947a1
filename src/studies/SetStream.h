#pragma once

#include "studies/DrawAndFit.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kvor {

struct DataSet;
struct ImportedData;
struct RunControl;
struct RunWorkspace;

// One data set of a run as its consumer sees it, in set order.
struct StreamedSet {
    long long Attempt = 0; // 1, 2, ... in the order of the generator's stream
    const SetStep& Step;
    const DataSet& Data;    // the pairs drawn for it
    const RunWorkspace& Ws; // where it was drawn and fitted, with what the fit kept
};

// Whether the run goes on after a set.
enum class StreamGoOn { Yes, No };

using SetConsumer = std::function<StreamGoOn(const StreamedSet&)>;

// Draws and fits the sets of a run's evaluations on a fixed number of threads, which wait
// between evaluations: see StreamSets.
class SetStreamer {
public:
    explicit SetStreamer(int threads);
    ~SetStreamer();
    SetStreamer(const SetStreamer&) = delete;
    SetStreamer& operator=(const SetStreamer&) = delete;

    long long Run(RunWorkspace& ws, const ImportedData* imported, const RunControl& control,
                  const SetFitter& fit, bool numbered, long long count, const SetConsumer& consume);

private:
    struct Slot;
    // What the workers draw and fit for the evaluation under way.
    struct Job {
        const RunWorkspace* Ws = nullptr;
        const ImportedData* Imported = nullptr;
        const RunControl* Control = nullptr;
        const SetFitter* Fit = nullptr;
        bool Numbered = false;
    };

    static long long RunInline(RunWorkspace& ws, const ImportedData* imported,
                               const RunControl& control, const SetFitter& fit, bool numbered,
                               long long count, const SetConsumer& consume);
    Slot& SlotOf(long long index);
    void Work();

    int m_threads;
    std::vector<std::unique_ptr<Slot>> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_done;
    std::deque<Slot*> m_queue;
    Job m_job;
    int m_busy = 0;
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};

// Draws and fits sets 1..count of a run from `ws` (its design, critical values, target design
// and the generator where the run stands) and hands each to `consume` in set order, until it
// says stop, a set ends the run (no pool, a failed fit, an abort) or `count` sets were consumed.
// With control.Threads above 1 a sequential pass steps the generator past each set to find the
// next one's starting state, and the sets are drawn and fitted in parallel in a bounded window;
// sets fitted beyond the one that stopped the run are thrown away. Every thread count gives the
// consumer the same sets in the same order. `numbered` passes the attempt as the set number to
// the drawing (sequential sampling of a pool); otherwise every set is drawn as set 1.
// Returns the number of sets consumed.
long long StreamSets(RunWorkspace& ws, const ImportedData* imported, const RunControl& control,
                     const SetFitter& fit, bool numbered, long long count,
                     const SetConsumer& consume);

} // namespace kvor
