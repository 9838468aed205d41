#include "model/BackgroundRelease.h"

#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

namespace tessark::background_release {

namespace {

struct Worker {
    std::mutex mutex;
    std::condition_variable changed;
    // Still queued at exit, these stay reachable here until the process ends.
    std::deque<std::unique_ptr<Garbage>> queue;
    bool busy = false;
    bool stopping = false;
    std::thread thread;

    void Run()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || !queue.empty(); });
            if (stopping) {
                return;
            }
            std::unique_ptr<Garbage> next = std::move(queue.front());
            queue.pop_front();
            busy = true;
            lock.unlock();
            next.reset();
            lock.lock();
            busy = false;
            changed.notify_all();
        }
    }
};

// Never destroyed, so that posting during the program's end is safe.
Worker& TheWorker()
{
    static Worker* worker = [] {
        auto* made = new Worker;
        made->thread = std::thread([made] { made->Run(); });
        std::atexit([] {
            Worker& self = TheWorker();
            {
                const std::lock_guard lock(self.mutex);
                self.stopping = true;
            }
            self.changed.notify_all();
            self.thread.join();
        });
        return made;
    }();
    return *worker;
}

}  // namespace

void Post(std::unique_ptr<Garbage> garbage)
{
    if (!garbage) {
        return;
    }
    Worker& worker = TheWorker();
    {
        const std::lock_guard lock(worker.mutex);
        worker.queue.push_back(std::move(garbage));
    }
    worker.changed.notify_all();
}

void Wait()
{
    Worker& worker = TheWorker();
    std::unique_lock lock(worker.mutex);
    worker.changed.wait(lock, [&worker] {
        return worker.stopping || (worker.queue.empty() && !worker.busy);
    });
}

}  // namespace tessark::background_release
