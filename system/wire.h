// What passes between the program and its worker processes, inside the
// frames of frame.h: length-prefixed fields, little-endian, in a byte string.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

class Writer {
public:
    void Raw(const void* data, std::size_t size) { m_out.append(static_cast<const char*>(data), size); }
    void U32(std::uint32_t value) { Raw(&value, sizeof value); }
    void U64(std::uint64_t value) { Raw(&value, sizeof value); }
    void Text(const std::string& text)
    {
        U32(static_cast<std::uint32_t>(text.size()));
        Raw(text.data(), text.size());
    }
    void Text(const std::wstring& text)
    {
        U32(static_cast<std::uint32_t>(text.size()));
        Raw(text.data(), text.size() * sizeof(wchar_t));
    }
    const std::string& Bytes() const { return m_out; }

private:
    std::string m_out;
};

// Reads what a Writer wrote; any field that runs past the end fails the whole.
class Reader {
public:
    explicit Reader(const std::string& in) : m_in(in) {}
    bool Raw(void* data, std::size_t size)
    {
        if (!m_ok || m_in.size() - m_at < size) {
            m_ok = false;
            return false;
        }
        std::memcpy(data, m_in.data() + m_at, size);
        m_at += size;
        return true;
    }
    std::uint32_t U32()
    {
        std::uint32_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::uint64_t U64()
    {
        std::uint64_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::string Text() { return Sized<std::string>(); }
    std::wstring WideText() { return Sized<std::wstring>(); }
    bool Mark(const char* mark, std::size_t length)
    {
        char read[8] = {};
        return length <= sizeof read && Raw(read, length) && std::memcmp(read, mark, length) == 0;
    }
    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_at == m_in.size(); }

private:
    template <class String>
    String Sized()
    {
        std::uint32_t count = U32();
        std::size_t bytes = std::size_t{count} * sizeof(typename String::value_type);
        if (!m_ok || m_in.size() - m_at < bytes) {
            m_ok = false;
            return {};
        }
        String text(count, 0);
        std::memcpy(text.data(), m_in.data() + m_at, bytes);
        m_at += bytes;
        return text;
    }

    const std::string& m_in;
    std::size_t m_at = 0;
    bool m_ok = true;
};
