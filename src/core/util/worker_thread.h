#pragma once
// A thread with a stack of a stated size. The search goes one level deeper per
// word, and a large grid has thousands of words: its depth must not depend on
// the system's default stack, which is 1 MiB on Windows and may be less on a
// thread someone else started. platform_posix.cpp and platform_windows.cpp
// each implement it.

#include <cstddef>
#include <functional>
#include <memory>

class WorkerThread {
public:
    // Starts job on a new thread with a stack of stackBytes. When the system
    // cannot make one, the job runs here and now instead, so it is never lost.
    WorkerThread(std::function<void()> job, std::size_t stackBytes);
    // Waits for the job.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Waits until the job has returned; at once after the first time.
    void Join();

private:
    struct Native;
    std::function<void()> m_job;
    std::unique_ptr<Native> m_native;  // null once joined, or when the job ran inline
};
