#pragma once

#include <functional>

class JobControl;

// Runs fn(index) for every index below count on up to threads threads, the
// caller's own among them, each thread taking the next index no other took.
// Returns when every index taken is done. A cancel of control stops handing
// out indexes; an fn that runs long checks the cancel itself. fn must only
// touch what belongs to its index, or guard what it shares.
void parallelMap(int count, int threads, const JobControl *control,
                 const std::function<void(int index)> &fn);
