// Every message between the program and its workers is one frame: a begin
// mark, the protocol's version, the kind, the payload's length, the payload
// (the fields of wire.h) and an end mark. A reader checks each of them, so a
// cut, garbled or outsized answer is told from a whole one and refused.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

enum class FrameKind : std::uint32_t {
    ScanRequest = 1, // the folder and layout a scan worker lists
    ScanTable,       // its table
    CopyBatch,       // copies a copy worker makes
    CopyAnswers,     // their results, in their order
    KeepAlive,       // the worker is still at work; no payload, or how much it has done (U64)
};

// No payload is longer: a length above it is refused before anything is set
// aside for it. A table of a million files with long paths stays well below.
inline constexpr std::uint32_t kMostFramePayload = 1u << 30;

struct Frame {
    FrameKind kind{};
    std::string payload;
};

// The frame's bytes, to be written whole.
std::string FrameBytes(FrameKind kind, const std::string& payload = {});

// Reads the frames that arrive on a handle. Each read takes what the pipe
// holds, however many frames that is: under Wine every read of a pipe is a
// round trip to the server, and a frame read field by field would cost three.
class FrameReader {
public:
    explicit FrameReader(HANDLE handle = nullptr) : m_handle(handle) {}

    // The next frame. False at the end of the data, on a broken pipe, and on
    // anything that is not a whole frame of this version. heard() is called
    // whenever bytes arrive, however few.
    bool Read(Frame& frame, const std::function<void()>& heard = {});

private:
    // Reads until `size` bytes past the ones taken are there.
    bool Hold(std::size_t size, const std::function<void()>& heard);

    HANDLE m_handle;
    std::string m_buffer;
    std::size_t m_taken = 0; // bytes of the buffer already read as frames
};
