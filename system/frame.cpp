#include "system/frame.h"

#include "system/wire.h"

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

bool FrameReader::Hold(std::size_t size, const std::function<void()>& heard)
{
    // Space grows with what really came, never with what a length promised.
    constexpr std::size_t kPiece = 1 << 16;
    while (m_buffer.size() - m_taken < size) {
        std::size_t at = m_buffer.size();
        m_buffer.resize(at + std::max(kPiece, std::min(size - (at - m_taken), std::size_t{1} << 20)));
        DWORD got = 0;
        bool read = ReadFile(m_handle, m_buffer.data() + at, static_cast<DWORD>(m_buffer.size() - at), &got, nullptr);
        m_buffer.resize(at + got);
        if (!read || got == 0)
            return false;
        if (heard)
            heard();
    }
    return true;
}

bool FrameReader::Read(Frame& frame, const std::function<void()>& heard)
{
    if (m_taken > 0 && m_taken >= m_buffer.size() / 2) { // what was read goes, the rest moves up
        m_buffer.erase(0, m_taken);
        m_taken = 0;
    }
    if (!Hold(kHeaderLength, heard))
        return false;
    const std::string header = m_buffer.substr(m_taken, kHeaderLength);
    Reader r(header);
    if (!r.Mark(kBeginMark, sizeof kBeginMark) || r.U32() != kVersion)
        return false;
    std::uint32_t kind = r.U32(), length = r.U32();
    if (!r.Ok() || !KnownKind(kind) || length > kMostFramePayload)
        return false;
    const std::size_t whole = kHeaderLength + length + sizeof kEndMark;
    if (!Hold(whole, heard) || std::memcmp(m_buffer.data() + m_taken + whole - sizeof kEndMark, kEndMark,
                                           sizeof kEndMark) != 0)
        return false;
    frame = {static_cast<FrameKind>(kind), m_buffer.substr(m_taken + kHeaderLength, length)};
    m_taken += whole;
    return true;
}
