#include "engine/case_twins.h"

#include "system/long_path.h"
#include "system/path_text.h"
#include "system/stored_name.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

namespace {

const char kTwinReason[] = "同じフォルダに大文字と小文字だけが違う名前があるため、どちらもコピーしません";
const char kOtherSideReason[] =
    "もう一方のフォルダに大文字と小文字だけが違う名前が複数あるため、コピーしません";

// The path as Windows compares names: letter case taken out, in every script
// ("É" and "é" alike, as "A" and "a").
std::wstring Folded(const std::string& stored)
{
    return CaseFolded(WideFromStored(stored));
}

template <class Units>
std::uint64_t HashOf(const Units& units, wchar_t (*fold)(wchar_t))
{
    std::uint64_t hash = 14695981039346656037ull;
    for (auto unit : units)
        hash = (hash ^ static_cast<std::uint64_t>(fold(static_cast<wchar_t>(unit)))) * 1099511628211ull;
    return hash;
}

wchar_t AsIs(wchar_t c)
{
    return c;
}

wchar_t AsciiUpper(wchar_t c)
{
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 0x20) : c;
}

// The hash of Folded(stored), made without a copy of the path where it is
// ASCII (the usual case: every path of the tables is hashed).
std::uint64_t FoldedHash(const std::string& stored)
{
    bool ascii = std::all_of(stored.begin(), stored.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? HashOf(stored, AsciiUpper) : HashOf(Folded(stored), AsIs);
}

// The folded paths that two or more entries of the table share.
void CollectTwins(const std::vector<FileEntry>& entries, std::unordered_set<std::wstring>& twins)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> hashes;
    hashes.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        hashes.emplace_back(FoldedHash(entries[i].relativePath), i);
    std::sort(hashes.begin(), hashes.end());
    for (std::size_t i = 1; i < hashes.size(); ++i) {
        if (hashes[i].first != hashes[i - 1].first)
            continue;
        std::wstring a = Folded(entries[hashes[i - 1].second].relativePath);
        if (a == Folded(entries[hashes[i].second].relativePath))
            twins.insert(std::move(a));
    }
}

// Holds back every entry whose folded path is a twin's, naming it.
void HoldBack(ScanResult& table, const std::string& folderText, const std::unordered_set<std::wstring>& twins,
              const std::unordered_set<std::wstring>& ownTwins)
{
    for (FileEntry& entry : table.entries) {
        std::wstring folded = Folded(entry.relativePath);
        if (!twins.count(folded))
            continue;
        entry.heldBack = true;
        table.problems.push_back({WithTrailingBackslash(folderText) + entry.relativePath,
                                  ownTwins.count(folded) ? kTwinReason : kOtherSideReason});
    }
}

} // namespace

void HoldBackCaseTwins(ScanResult& base, ScanResult& target, const std::string& baseText,
                       const std::string& targetText)
{
    std::unordered_set<std::wstring> baseTwins, targetTwins;
    CollectTwins(base.entries, baseTwins);
    CollectTwins(target.entries, targetTwins);
    if (baseTwins.empty() && targetTwins.empty())
        return;
    std::unordered_set<std::wstring> all = baseTwins;
    all.insert(targetTwins.begin(), targetTwins.end());
    HoldBack(base, baseText, all, baseTwins);
    HoldBack(target, targetText, all, targetTwins);
}
