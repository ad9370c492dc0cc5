// Pairs compared by their contents: what equal and other contents make of the
// rows in each direction, with differences at either end of a file larger
// than one read, and what the sync then copies and names.
#include "tests/engine/engine_fixture.h"

#include "engine/transfer.h"
#include "sync/sync_files.h"

namespace {

TEST_F(EngineFixture, ComparedByContentEqualFilesAreSameWhateverTheirTimesAndOtherContentsOfOneTimeAreUndecided)
{
    base.Write("restored.txt", "same bytes", later);
    target.Write("restored.txt", "same bytes", t0);
    base.Write("silent.txt", "edit A", t0);
    target.Write("silent.txt", "edit B", t0);
    const std::string big((3 << 20) + 5, 'x'); // past three reads
    std::string lastByte = big, firstByte = big;
    lastByte.back() = 'y';
    firstByte.front() = 'y';
    base.Write("last.bin", big, t0);
    target.Write("last.bin", lastByte, t0);
    base.Write("first.bin", big, later);
    target.Write("first.bin", firstByte, t0);

    auto transfer = [&](SyncDirection direction, const std::string& path) {
        for (const FileEntry& e : comparison.List(direction))
            if (e.relativePath == path)
                return TransferOf(direction, e);
        return Transfer::Held; // not listed
    };
    Compare(Both); // without the option, times and sizes decide
    EXPECT_EQ(Transfer::Down, transfer(Both, "restored.txt"));
    EXPECT_EQ(Transfer::None, transfer(Both, "silent.txt"));

    inputs.compareContent = 1;
    for (SyncDirection direction : {Down, Up, Both}) {
        Compare(direction);
        EXPECT_EQ(Transfer::None, transfer(direction, "restored.txt")) << direction;
        EXPECT_EQ(Transfer::Undecided, transfer(direction, "silent.txt")) << direction;
        EXPECT_EQ(Transfer::Undecided, transfer(direction, "last.bin")) << direction;
        EXPECT_EQ(direction == Up ? Transfer::None : Transfer::Down, transfer(direction, "first.bin")) << direction;
    }
    EXPECT_EQ(4, comparison.BothCount()); // one row for each pair
    const std::uint64_t total = 2 * big.size() + 10 + 6;
    EXPECT_EQ(std::make_pair(total, total), host.bytesShown); // the end of the comparison was shown

    // The sync names what is undecided and copies only what the times decide ...
    Problems notCopied = SyncFiles(comparison, inputs, host, 1);
    ASSERT_EQ(2u, notCopied.size());
    EXPECT_NE(std::string::npos, notCopied[0].reason.find("内容が異なります"));
    EXPECT_EQ("same bytes", target.Read("restored.txt"));
    EXPECT_EQ(big, target.Read("first.bin"));
    // ... and what the user chose.
    Compare(Both);
    for (std::size_t row = 0; row < 4; ++row) {
        if (comparison.List(Both)[row].relativePath == "silent.txt") {
            EXPECT_TRUE(comparison.SetChoice(Both, row, RowChoice::Up));
        }
    }
    EXPECT_EQ(1u, SyncFiles(comparison, inputs, host, 1).size()); // last.bin, still undecided
    EXPECT_EQ("edit B", base.Read("silent.txt"));
}

} // namespace
