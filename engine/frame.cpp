#include "engine/frame.h"

#include "engine/wire.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kBeginMark[4] = {'M', 'R', 'V', '<'};
constexpr char kEndMark[4] = {'>', 'M', 'R', 'V'};
constexpr std::uint32_t kVersion = 1;

// Begin mark, version, kind, length.
constexpr std::size_t kHeaderLength = sizeof kBeginMark + 3 * sizeof(std::uint32_t);

bool KnownKind(std::uint32_t kind)
{
    return kind >= static_cast<std::uint32_t>(FrameKind::ScanRequest)
        && kind <= static_cast<std::uint32_t>(FrameKind::KeepAlive);
}

// Reads size bytes onto the end of into, a piece at a time: what is set
// aside grows with what really came, never with what a length promised.
bool ReadOnto(HANDLE handle, std::string& into, std::size_t size, const std::function<void()>& heard)
{
    constexpr std::size_t kPiece = 1 << 16;
    for (std::size_t left = size; left > 0;) {
        std::size_t at = into.size();
        into.resize(at + std::min(left, kPiece));
        DWORD got = 0;
        if (!ReadFile(handle, into.data() + at, static_cast<DWORD>(into.size() - at), &got, nullptr) || got == 0)
            return false;
        into.resize(at + got);
        left -= got;
        if (heard)
            heard();
    }
    return true;
}

} // namespace

std::string FrameBytes(FrameKind kind, const std::string& payload)
{
    Writer w;
    w.Raw(kBeginMark, sizeof kBeginMark);
    w.U32(kVersion);
    w.U32(static_cast<std::uint32_t>(kind));
    w.U32(static_cast<std::uint32_t>(payload.size()));
    w.Raw(payload.data(), payload.size());
    w.Raw(kEndMark, sizeof kEndMark);
    return w.Bytes();
}

bool ReadFrame(HANDLE handle, Frame& frame, const std::function<void()>& heard)
{
    std::string header;
    if (!ReadOnto(handle, header, kHeaderLength, heard))
        return false;
    Reader r(header);
    if (!r.Mark(kBeginMark, sizeof kBeginMark) || r.U32() != kVersion)
        return false;
    std::uint32_t kind = r.U32(), length = r.U32();
    if (!r.Ok() || !KnownKind(kind) || length > kMostFramePayload)
        return false;
    std::string payload, end;
    if (!ReadOnto(handle, payload, length, heard) || !ReadOnto(handle, end, sizeof kEndMark, heard)
        || std::memcmp(end.data(), kEndMark, sizeof kEndMark) != 0)
        return false;
    frame = {static_cast<FrameKind>(kind), std::move(payload)};
    return true;
}
