#include "engine/exclusion_filter.h"

#include "system/long_path.h"
#include "system/path_text.h"
#include "system/stored_name.h"

#include <windows.h>

#include <algorithm>

namespace {

// The length of the character at a position: a pair of surrogates is one
// character (an emoji, a rare kanji), as "?" must take it whole.
std::size_t CharacterLength(std::wstring_view text, std::size_t at)
{
    return at + 1 < text.size() && IS_HIGH_SURROGATE(text[at]) && IS_LOW_SURROGATE(text[at + 1]) ? 2 : 1;
}

// Wildcard match of folded texts; a "*" that fails is retried one character
// further along, which never backtracks more than one star at a time.
bool Matches(std::wstring_view pattern, std::wstring_view name)
{
    std::size_t p = 0, n = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'?') {
            ++p;
            n += CharacterLength(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = starN += CharacterLength(name, starN);
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace

std::vector<std::string> SplitPatterns(std::string_view list)
{
    std::vector<std::string> patterns;
    while (!list.empty()) {
        std::size_t end = list.find(kPatternSeparator);
        std::string_view one = WithoutBlanksAround(list.substr(0, end));
        if (!one.empty())
            patterns.emplace_back(one);
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return patterns;
}

std::string JoinPatterns(const std::vector<std::string>& patterns)
{
    std::string list;
    for (const std::string& pattern : patterns) {
        std::string_view one = WithoutBlanksAround(pattern);
        if (one.empty())
            continue;
        if (!list.empty())
            list += kPatternSeparator;
        list += one;
    }
    return list;
}

bool AddExcludePattern(std::string& list, const std::string& pattern, std::string& error)
{
    if (WithoutBlanksAround(pattern).empty() || pattern.find(kPatternSeparator) != std::string::npos) {
        error = "--exclude takes a name pattern without \"|\", not \"" + pattern + "\"";
        return false;
    }
    std::vector<std::string> patterns = SplitPatterns(list);
    patterns.push_back(pattern);
    list = JoinPatterns(patterns);
    return true;
}

ExclusionFilter::ExclusionFilter(std::string_view list)
{
    for (const std::string& text : SplitPatterns(list)) {
        Pattern pattern{WideFromStored(text), false};
        if (!pattern.folded.empty() && pattern.folded.back() == L'\\') {
            pattern.folded.pop_back();
            pattern.foldersOnly = true;
        }
        if (pattern.folded.empty())
            continue;
        FoldCase(pattern.folded.data(), pattern.folded.size());
        m_patterns.push_back(std::move(pattern));
    }
}

bool ExclusionFilter::Excludes(std::wstring_view name, bool folder) const
{
    if (m_patterns.empty())
        return false;
    // A name is at most MAX_PATH characters: folded on the stack, no allocation.
    wchar_t folded[MAX_PATH + 1];
    std::size_t length = std::min<std::size_t>(name.size(), MAX_PATH);
    name.copy(folded, length);
    FoldCase(folded, length);
    std::wstring_view key(folded, length);
    for (const Pattern& pattern : m_patterns)
        if ((folder || !pattern.foldersOnly) && Matches(pattern.folded, key))
            return true;
    return false;
}
