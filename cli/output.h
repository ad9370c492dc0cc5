// Standard output and error. A console is written in UTF-16, which it shows
// whatever its code page; a file or pipe gets Shift-JIS ("?" for a character of
// a file name Shift-JIS cannot write) or UTF-8 (every character as it is).
#pragma once
#include <cstdio>
#include <string>

class Output {
public:
    explicit Output(bool utf8) : m_utf8(utf8) {}
    void Write(std::FILE* stream, const std::string& text) const;
    void Line(const std::string& text) const { Write(stdout, text + "\n"); }
    void ErrorLine(const std::string& text) const { Write(stderr, text + "\n"); }

private:
    bool m_utf8;
};
