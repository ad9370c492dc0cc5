// A worker that misbehaves as MIRVALEN_WORKER_FAULT says, for the tests of
// the program's side. Started with --scan-worker or --copy-worker it
//   hang       reads nothing, sends nothing and never ends;
// else it reads its request as a worker does, then
//   dies       sends one keep-alive and ends
//   truncated  sends an answer cut short
//   garbled    sends an answer whose end mark is wrong
//   oversized  sends the head of an answer longer than any allowed
//   odd-alive  sends a keep-alive whose payload is no count, then its answer
// and ends as a worker that did its work does. Its answers claim the work
// done with nothing found: taken for true, they would leave the target's
// table empty or the copies unmade.
// Started with --parent it starts one scan worker (itself, MIRVALEN_WORKER_FAULT
// saying hang), prints that worker's process id and waits to be ended.
#include "system/child_process.h"
#include "system/frame.h"
#include "system/handle_io.h"
#include "engine/scan_worker.h"
#include "system/wire.h"
#include "sync/copy_worker.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// What a worker that did nothing would answer.
std::string ClaimedAnswer(const Frame& request)
{
    Writer w;
    if (request.kind == FrameKind::ScanRequest) {
        w.U32(0); // entries
        w.U32(0); // problems
        return FrameBytes(FrameKind::ScanTable, w.Bytes());
    }
    Reader r(request.payload);
    std::uint32_t copies = r.U32();
    w.U32(copies);
    for (std::uint32_t i = 0; i < copies; ++i) {
        w.U32(0); // copied
        w.U32(0);
        w.U32(0);
    }
    return FrameBytes(FrameKind::CopyAnswers, w.Bytes());
}

int StartOneWorker()
{
    SetWorkerProgram(RunningProgramFile(), 0);
    ChildProcess worker;
    if (!worker.Start(kScanWorkerSwitch))
        return 1;
    std::printf("%lu\n", worker.Id());
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}

} // namespace

int main()
{
    const std::wstring asked = OnlyArgument();
    if (asked == L"--parent")
        return StartOneWorker();
    char fault[16] = "";
    GetEnvironmentVariableA("MIRVALEN_WORKER_FAULT", fault, sizeof fault);
    const std::string how = fault;
    if (how == "hang")
        Sleep(INFINITE);
    Frame request;
    if ((asked != kScanWorkerSwitch && asked != kCopyWorkerSwitch)
        || !FrameReader(GetStdHandle(STD_INPUT_HANDLE)).Read(request))
        return 2;
    std::string answer = ClaimedAnswer(request);
    if (how == "dies")
        answer = FrameBytes(FrameKind::KeepAlive);
    else if (how == "truncated")
        answer.resize(answer.size() - 6); // the end mark and two bytes before it
    else if (how == "garbled")
        answer.back() ^= 0x20;
    else if (how == "odd-alive")
        answer = FrameBytes(FrameKind::KeepAlive, "odd") + answer;
    else if (how == "oversized") {
        // Begin mark, version and kind as they are; a length past the most allowed.
        Writer length;
        length.U32(kMostFramePayload + 1);
        answer = answer.substr(0, 12) + length.Bytes();
    }
    return WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), answer) ? 0 : 1;
}
