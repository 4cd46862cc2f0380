#include "document/compute_pass.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "document/compute_frame.h"
#include "document/graph_computation.h"

namespace vg {

namespace {

std::atomic<int> gThreads{0};

enum TaskState : int { kPending, kRunning, kDone, kDropped };

// The progress of a graph computed on a worker thread: it only records what
// the calling thread is to show, and answers Esc with the stop request.
class WorkerProgress : public ComputeProgress {
public:
    void ShowGraphPercent(int /*graphNumber*/, int percent) override
    {
        percent_.store(percent);
        started_.store(true);
    }
    bool EscapePressed() override { return stop_.load(); }
    void ShowError(const std::string& englishMessage) override
    {
        error_ = englishMessage;  // read by the calling thread after the task is done
    }

    std::atomic<int> percent_{0};
    std::atomic<bool> started_{false};
    std::atomic<bool> stop_{false};
    std::string error_;
};

struct Task {
    int index = 0;
    TFunction* graph = nullptr;
    std::atomic<int> state{kPending};
    bool result = true;
    WorkerProgress progress;
};

class Pass {
public:
    Pass(TGraphicsManager& document, const DocumentOptions& d, const std::vector<PassStep>& steps)
        : document_(document), d_(d), steps_(steps)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (steps[i] != PassStep::Compute) continue;
            auto t = std::make_unique<Task>();
            t->index = static_cast<int>(i);
            t->graph = &document.Graph(static_cast<int>(i));
            tasks_.push_back(std::move(t));
        }
    }

    // False when no worker could be started (the caller computes serially).
    bool Start(int threads)
    {
        try {
            for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
        }
        return !workers_.empty();
    }

    void Follow()
    {
        ComputeProgress& progress = document_.Progress();
        std::size_t next = 0;
        for (std::size_t i = 0; i < steps_.size(); ++i) {
            if (steps_[i] == PassStep::Resume) document_.ContinueCalculation = true;
            if (steps_[i] != PassStep::Compute) continue;
            Task& t = *tasks_[next++];
            if (!document_.ContinueCalculation) {
                Drop(t);
                continue;
            }
            document_.ContinueCalculation = Await(t, progress);
        }
    }

    ~Pass()
    {
        for (auto& t : tasks_) {
            int pending = kPending;
            t->state.compare_exchange_strong(pending, kDropped);
        }
        for (std::thread& w : workers_) w.join();
    }

private:
    void Work()
    {
        for (auto& t : tasks_) {
            int pending = kPending;
            if (!t->state.compare_exchange_strong(pending, kRunning)) continue;
            t->result = ComputeGraphWith(t->progress, *t->graph, d_, t->index);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                t->state.store(kDone);
            }
            done_.notify_all();
        }
    }

    // A graph after an interruption: no points, as the serial pass leaves it.
    void Drop(Task& t)
    {
        int pending = kPending;
        if (!t.state.compare_exchange_strong(pending, kDropped)) {
            t.progress.stop_.store(true);
            WaitUntilDone(t);
        }
        ClearGraphValues(*t.graph);
    }

    void WaitUntilDone(Task& t)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        done_.wait(lock, [&t] { return t.state.load() == kDone; });
    }

    // Follows the graph the serial pass is at, percent by percent as its
    // ComputeMeter would show them, asking for Esc after each; an Esc stops
    // the graph, which then has no points, however far its thread got.
    bool Await(Task& t, ComputeProgress& progress)
    {
        const int number = t.index + 1;
        bool shown = false, interrupted = false;
        int percent = 0;
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            const bool done = t.state.load() == kDone;
            lock.unlock();
            if (!shown && t.progress.started_.load()) {
                shown = true;
                progress.ShowGraphPercent(number, 0);
                progress.ShowStatus(1, progress.Translate(kEscHintText));
                progress.SetBusyCursor(true);
            }
            const int reached = shown ? t.progress.percent_.load() : 0;
            while (percent < reached && !interrupted) {
                progress.ShowGraphPercent(number, ++percent);
                progress.ProcessMessages();
                interrupted = progress.EscapePressed();
            }
            lock.lock();
            if (done || interrupted) break;
            done_.wait_for(lock, std::chrono::milliseconds(20), [&t] { return t.state.load() == kDone; });
        }
        lock.unlock();
        // The worker's result is only read once it is done: an interrupted
        // graph may still be running here.
        bool result = false;
        if (interrupted) {
            t.progress.stop_.store(true);
            WaitUntilDone(t);
            ClearGraphValues(*t.graph);
        } else {
            result = t.result;
        }
        if (!t.progress.error_.empty()) {
            progress.ProcessMessages();
            progress.ShowError(t.progress.error_);
        }
        if (shown) {
            progress.ShowStatus(0, progress.Translate(kReadyText));
            progress.RefreshControls();
            progress.ProcessMessages();
            progress.SetBusyCursor(false);
        }
        return result;
    }

    TGraphicsManager& document_;
    const DocumentOptions& d_;
    const std::vector<PassStep>& steps_;
    std::vector<std::unique_ptr<Task>> tasks_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable done_;
};

void ComputeSerially(TGraphicsManager& document, const DocumentOptions& d, const std::vector<PassStep>& steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const int index = static_cast<int>(i);
        if (steps[i] == PassStep::Compute) {
            document.ContinueCalculation = document.ComputeGraph(document.Graph(index), d, index);
        } else if (steps[i] == PassStep::Resume) {
            document.ContinueCalculation = true;
        }
    }
}

}  // namespace

void SetComputeThreads(int threads) { gThreads.store(threads > 0 ? threads : 0); }

int ComputeThreads()
{
    const int set = gThreads.load();
    if (set > 0) return set;
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

void ComputeGraphPass(TGraphicsManager& document, const DocumentOptions& d, const std::vector<PassStep>& steps)
{
    const auto computed = static_cast<int>(std::count(steps.begin(), steps.end(), PassStep::Compute));
    const int threads = std::min(ComputeThreads(), computed);
    if (threads <= 1) {
        ComputeSerially(document, d, steps);
        return;
    }
    Pass pass(document, d, steps);
    if (!pass.Start(threads)) {
        ComputeSerially(document, d, steps);
        return;
    }
    pass.Follow();
}

}  // namespace vg
