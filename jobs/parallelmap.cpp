#include "jobs/parallelmap.h"

#include "jobs/jobcontrol.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void parallelMap(int count, int threads, const JobControl *control,
                 const std::function<void(int index)> &fn)
{
    if (count <= 0)
        return;
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int index = next++; index < count && !jobCancelled(control); index = next++)
            fn(index);
    };
    std::vector<std::thread> pool;
    for (int i = 1; i < std::clamp(threads, 1, count); ++i)
        pool.emplace_back(work);
    work();
    for (std::thread &thread : pool)
        thread.join();
}
