// Two temporary trees and the inputs that name them, for tests that build a
// comparison from real files.
#pragma once
#include "engine/comparison.h"
#include "engine/comparison_inputs.h"
#include "system/stored_name.h"
#include "tests/engine/recording_host.h"
#include "tests/support/cli_worker.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

inline Names Paths(std::span<const FileEntry> entries)
{
    Names paths;
    for (const FileEntry& e : entries)
        paths.push_back(e.relativePath);
    return paths;
}

// One tree scanned alone, by one scanning thread.
inline ScanResult ScanOne(const std::string& folderText, const ScanLayout& layout, EngineHost& host)
{
    ScanResult result, none;
    ScanFolders(folderText, "", layout, 1, host, result, none);
    return result;
}

class EngineFixture : public ::testing::Test {
protected:
    EngineFixture()
    {
        inputs.base = base.Root();
        inputs.target = target.Root();
    }

    // Scans both trees and runs both matching passes and the two-way list.
    void Compare(SyncDirection direction)
    {
        inputs.direction = direction;
        comparison.Clear();
        comparison.ScanBoth(inputs, host, 1);
        comparison.MatchBaseToTarget(inputs, host);
        comparison.MatchTargetToBase(inputs, host);
        comparison.CompareContents(inputs, host);
        comparison.BuildBothList(inputs, host);
    }

    // After a sync the list made again shows every file the same.
    bool AllSame(SyncDirection direction)
    {
        Compare(direction);
        auto list = comparison.List(direction);
        return !list.empty() && std::all_of(list.begin(), list.end(), [](const FileEntry& e) { return e.status == Same; });
    }

    const FileEntry& BaseEntry(const std::string& path) const
    {
        for (const FileEntry& e : comparison.BaseEntries())
            if (e.relativePath == path)
                return e;
        throw std::runtime_error("no entry " + path);
    }

    TempTree base, target;
    FixedInputs inputs;
    RecordingHost host;
    Comparison comparison;
    const FILETIME t0 = LocalFileTime(2010, 3, 5, 14, 7, 9);
    const FILETIME later = LocalFileTime(2011, 1, 1, 0, 0, 0);
};
