#include "studies/SetStream.h"

#include "engine/DataSetDrawing.h"
#include "engine/RunWorkspace.h"
#include "studies/RunControl.h"

namespace kvor {

namespace {

int SetNumber(bool numbered, long long attempt) {
    return numbered ? static_cast<int>(attempt) : 1;
}

} // namespace

struct SetStreamer::Slot {
    std::unique_ptr<RunWorkspace> Ws = std::make_unique<RunWorkspace>();
    RandomGenerator Start;
    long long Attempt = 0;
    SetStep Step;
    bool Done = false;
};

SetStreamer::SetStreamer(int threads) : m_threads(std::max(threads, 1)) {
    if (m_threads == 1) {
        return;
    }
    for (int i = 0; i < 2 * m_threads + 2; ++i) {
        m_slots.push_back(std::make_unique<Slot>());
    }
    for (int i = 0; i < m_threads; ++i) {
        m_workers.emplace_back([this] { Work(); });
    }
}

SetStreamer::~SetStreamer() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_work.notify_all();
    for (std::thread& worker : m_workers) {
        worker.join();
    }
}

long long SetStreamer::Run(RunWorkspace& ws, const ImportedData* imported,
                           const RunControl& control, const SetFitter& fit, bool numbered,
                           long long count, const SetConsumer& consume) {
    if (m_threads == 1 || count <= 1) {
        return RunInline(ws, imported, control, fit, numbered, count, consume);
    }
    {
        const std::lock_guard lock(m_mutex);
        m_job = Job{&ws, imported, &control, &fit, numbered};
    }
    for (const auto& slot : m_slots) {
        slot->Ws->Design = ws.Design;
        slot->Ws->CriticalValues = ws.CriticalValues;
    }
    RandomGenerator stream = ws.Generator;
    long long prepared = 0;
    long long consumed = 0;
    const auto window = static_cast<long long>(m_slots.size());
    while (consumed < count) {
        // Step the stream past the sets that fit in the window and queue them.
        while (prepared < count && prepared < consumed + window) {
            Slot& slot = SlotOf(prepared);
            slot.Start = stream;
            slot.Ws->Generator = stream;
            SkipDataSet(ws.Design, ws.TargetDesign, imported, stream);
            {
                const std::lock_guard lock(m_mutex);
                slot.Attempt = ++prepared;
                slot.Done = false;
                m_queue.push_back(&slot);
            }
            m_work.notify_one();
        }
        Slot& slot = SlotOf(consumed);
        {
            std::unique_lock lock(m_mutex);
            m_done.wait(lock, [&slot] { return slot.Done; });
        }
        ++consumed;
        const StreamGoOn go = consume({slot.Attempt, slot.Step, slot.Ws->DataSet, *slot.Ws});
        if (slot.Step.End != SetEnd::Fitted || go == StreamGoOn::No) {
            break;
        }
    }
    // Sets beyond the last one consumed are dropped; those already taken are waited for.
    {
        std::unique_lock lock(m_mutex);
        m_queue.clear();
        m_done.wait(lock, [this] { return m_busy == 0; });
    }
    // The generator ends where the one-thread run leaves it: after the last set consumed.
    ws.Generator = prepared > consumed ? SlotOf(consumed).Start : stream;
    return consumed;
}

long long SetStreamer::RunInline(RunWorkspace& ws, const ImportedData* imported,
                                 const RunControl& control, const SetFitter& fit, bool numbered,
                                 long long count, const SetConsumer& consume) {
    long long consumed = 0;
    while (consumed < count) {
        const long long attempt = ++consumed;
        const SetStep step = DrawAndFit(ws, ws.TargetDesign, imported, SetNumber(numbered, attempt),
                                        control, fit, {});
        const StreamGoOn go = consume({attempt, step, ws.DataSet, ws});
        if (step.End != SetEnd::Fitted || go == StreamGoOn::No) {
            break;
        }
    }
    return consumed;
}

SetStreamer::Slot& SetStreamer::SlotOf(long long index) {
    return *m_slots[static_cast<std::size_t>(index % static_cast<long long>(m_slots.size()))];
}

void SetStreamer::Work() {
    for (;;) {
        Slot* slot = nullptr;
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_work.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop) {
                return;
            }
            slot = m_queue.front();
            m_queue.pop_front();
            job = m_job;
            ++m_busy;
        }
        SetStep step =
            DrawAndFit(*slot->Ws, job.Ws->TargetDesign, job.Imported,
                       SetNumber(job.Numbered, slot->Attempt), *job.Control, *job.Fit, {});
        {
            const std::lock_guard lock(m_mutex);
            slot->Step = std::move(step);
            slot->Done = true;
            --m_busy;
        }
        m_done.notify_all();
    }
}

long long StreamSets(RunWorkspace& ws, const ImportedData* imported, const RunControl& control,
                     const SetFitter& fit, bool numbered, long long count,
                     const SetConsumer& consume) {
    SetStreamer streamer(control.Threads);
    return streamer.Run(ws, imported, control, fit, numbered, count, consume);
}

} // namespace kvor
