#pragma once

#include <QtGlobal>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the test program when what it guards is still running after a few
// seconds. A dialog that never closes keeps its event loop running, and a
// timer in that loop cannot end it; this watches from a thread of its own.
class HangGuard
{
public:
    HangGuard(std::chrono::seconds limit, const char *what)
        : m_watch([this, limit, what] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; }))
                qFatal("Still running after %lld s: %s", qlonglong(limit.count()), what);
        })
    { }
    ~HangGuard()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_watch.join();
    }
    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_watch; // last: started once the rest is ready
};
