// Standard output and error in the console's code page (the program's own
// Shift-JIS bytes, "?" for a character of a file name it cannot write) or in
// UTF-8 (every character as it is).
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
