// What the engine needs from whoever runs it: a way to keep the window alive
// inside long loops and waits, the close request, the one message it shows,
// and progress.
#pragma once
#include <windows.h>

#include <cstdint>

// How often a person watching a scan or a comparison sees its count move.
inline constexpr DWORD kShowFoundEveryMs = 250;

class EngineHost {
public:
    virtual ~EngineHost() = default;
    virtual void PumpOneMessage() = 0;          // let at most one queued message through
    virtual bool Cancelled() const = 0;         // the application is closing, or the command is stopped
    virtual void ReportConversionFailure() = 0; // show "変換失敗"
    virtual void SetProgress(int percent) = 0;  // progress popup value
    // How many files the scan has found so far in both trees: told from the
    // waiting thread about every kShowFoundEveryMs while the trees are
    // scanned, and once more with the whole count at the end of each scan.
    virtual void ShowFilesFound(std::uint64_t /*files*/) {}
    // While pairs are compared by content: the bytes compared so far and in
    // all, told from the waiting thread about every kShowFoundEveryMs.
    virtual void ShowBytesCompared(std::uint64_t /*compared*/, std::uint64_t /*total*/) {}

    // Waits a little for the handle, letting a message through when it is not
    // signalled yet. A host with a message queue wakes for a message as well.
    virtual void WaitFor(HANDLE handle)
    {
        if (WaitForSingleObject(handle, kWaitSliceMs) != WAIT_OBJECT_0)
            PumpOneMessage();
    }

protected:
    // The longest a wait goes without looking at the close request.
    static constexpr DWORD kWaitSliceMs = 50;
};
