// Copies in a process of their own. Under Wine the copies of one process wait
// on each other, however many threads make them, while copies in two or more
// processes go side by side. The worker is the program itself, started with a
// switch; it takes copies on its standard input, a few at a time, and answers
// with their results on its standard output: together at the end of the
// batch, or sooner once the batch has lasted a tenth of a second. Whatever
// goes wrong with a worker, its copies are made in this process instead.
#pragma once
#include "sync/safe_copy.h"

#include "system/child_process.h"

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

// The switch that makes a program a copy worker.
inline constexpr wchar_t kCopyWorkerSwitch[] = L"--copy-worker";

// The worker's side: copies until its input ends, then removes its temporary
// folders; returns the exit code.
int ServeCopies();

class CopyWorkerProcess {
public:
    CopyWorkerProcess() = default;
    // The worker sees the end of its input and ends once its folders are gone.
    ~CopyWorkerProcess();
    CopyWorkerProcess(const CopyWorkerProcess&) = delete;
    CopyWorkerProcess& operator=(const CopyWorkerProcess&) = delete;

    // Starts a worker; Running() says whether one could be (none when no
    // worker program is set).
    void Start();
    bool Running() const { return m_child.Running(); }
    // Makes the copies in the worker, in their order, telling each result as
    // it comes. Returns how many it answered: fewer than all when it ended,
    // hung or answered anything but their results. It is ended then, and
    // whatever it left half done removed, so that the others can be made here.
    using Done = std::function<void(std::size_t, const CopyResult&)>;
    std::size_t Copy(const std::vector<const CopyTask*>& tasks, const Done& done);

private:
    void Abandon();

    ChildProcess m_child;
    std::set<std::wstring> m_folders; // the destination folders of its copies
};
