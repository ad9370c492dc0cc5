// One file copy that never leaves a half-written destination: the data go to a
// temporary name in the destination folder, which then replaces the destination.
#pragma once
#include <string>

enum class ReplaceRule {
    NotLater,       // refuse a destination whose time is later than the source's
    EarlierOnly,    // refuse also one with the same time (two-way runs)
};

// Copies source to destination keeping the source's last-write time. Fails
// (returns false, leaving the destination and no temporary file) when the source
// cannot be read, the destination is read-only, or the rule refuses it; times
// are compared in whole seconds, as the list shows them.
bool CopyFileSafely(const std::string& source, const std::string& destination, ReplaceRule rule);
