// Name patterns that the scan leaves out of both trees: "*" any run of
// characters, "?" one character, letters of any case; a pattern ending in "\"
// matches folders only, any other files and folders alike. Only the name is
// matched, never the path above it. An excluded folder is not entered.
//
// The settings file and the inputs hold the list as one text with "|" between
// the patterns, a character no file name can contain.
#pragma once
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kPatternSeparator = '|';

// The patterns of a stored list, blanks and empty ones dropped.
std::vector<std::string> SplitPatterns(std::string_view list);
std::string JoinPatterns(const std::vector<std::string>& patterns);
// Appends one pattern to a stored list; false (with a message) for one that
// holds the separator or is empty.
bool AddExcludePattern(std::string& list, const std::string& pattern, std::string& error);

class ExclusionFilter {
public:
    ExclusionFilter() = default;
    explicit ExclusionFilter(std::string_view list);

    bool Empty() const { return m_patterns.empty(); }
    // name as the file system gives it (no path). Safe from any thread.
    bool Excludes(std::wstring_view name, bool folder) const;

private:
    struct Pattern {
        std::wstring folded; // upper case, without the final "\"
        bool foldersOnly;
    };
    std::vector<Pattern> m_patterns;
};
