// What the comparison reads from its surroundings, asked for at the moment of use:
// the window answers from its controls and options, the command-line tool and the
// tests from plain values. Nothing here is copied by the engine.
#pragma once
#include "engine/sync_direction.h"

#include <string>

class ComparisonInputs {
public:
    virtual ~ComparisonInputs() = default;
    virtual std::string BaseFolder() const = 0;   // text of the base folder field
    virtual std::string TargetFolder() const = 0; // text of the target folder field
    virtual SyncDirection GetDirection() const = 0;
    virtual int TwoSecondSame() const = 0; // ONESECSAME: times within two seconds count as the same
    virtual int SubFolder() const = 0;     // SUBFOLDER: leave subfolder files out
    virtual int RootFile() const = 0;      // ROOTFILE: root files before subfolder files
    virtual int SameHide() const = 0;      // SAMEHIDE: identical files get no row
    virtual int Recycle() const = 0;       // RECYCLE: replaced files go to the Recycle Bin
    virtual int Verify() const = 0;        // VERIFY: each copy is read back before it replaces anything
    virtual int CompareContent() const = 0; // CONTENT: pairs of one size are compared by their contents
    // EXCLUDE: name patterns the scan leaves out, separated by "|" (exclusion_filter.h)
    virtual std::string ExcludePatterns() const = 0;
};

// Inputs held as plain values (command-line tool, tests).
class FixedInputs : public ComparisonInputs {
public:
    std::string base, target;
    SyncDirection direction = Both;
    int twoSecondSame = 0, subFolder = 0, rootFile = 0, sameHide = 0;
    int recycle = 1;
    int verify = 0, compareContent = 0;
    std::string exclude;

    std::string BaseFolder() const override { return base; }
    std::string TargetFolder() const override { return target; }
    SyncDirection GetDirection() const override { return direction; }
    int TwoSecondSame() const override { return twoSecondSame; }
    int SubFolder() const override { return subFolder; }
    int RootFile() const override { return rootFile; }
    int SameHide() const override { return sameHide; }
    int Recycle() const override { return recycle; }
    int Verify() const override { return verify; }
    int CompareContent() const override { return compareContent; }
    std::string ExcludePatterns() const override { return exclude; }
};
