#include "favorites/favorites_file.h"
#include "tests/support/temp_tree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

std::string Header(std::int32_t count)
{
    std::string header(24, '\0');
    std::memcpy(header.data(), &count, 4);
    std::memcpy(header.data() + 4, "1.0.0", 5);
    return header;
}

// A record as the file holds it, named after its number.
std::string Record(std::int32_t number)
{
    std::string record(1572, '\0');
    std::memcpy(record.data(), &number, 4);
    std::string name = "名前" + std::to_string(number);
    std::memcpy(record.data() + 4, name.data(), name.size());
    std::memcpy(record.data() + 528, "C:\\base\\", 8);
    std::int32_t direction = 1;
    std::memcpy(record.data() + 1568, &direction, 4);
    return record;
}

FavoritesReadResult ReadBytes(const std::string& bytes)
{
    TempTree tree;
    tree.Write("f.bdt", bytes);
    return ReadFavoritesFile(tree.Path("f.bdt"));
}

} // namespace

TEST(FavoritesDamage, ShorterThanTheHeaderIsEmpty)
{
    for (std::string bytes : {std::string(), std::string("\x01\0\0\0" "1.0", 7)}) {
        FavoritesReadResult read = ReadBytes(bytes);
        EXPECT_TRUE(read.damaged);
        EXPECT_EQ(0, read.table.count());
        EXPECT_STREQ("1.0.0", read.table.version.data());
    }
}

TEST(FavoritesDamage, NegativeCountIsEmpty)
{
    FavoritesReadResult read = ReadBytes(Header(-1) + Record(1));
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(0, read.table.count());
}

TEST(FavoritesDamage, HugeCountGivesTheRecordsPresent)
{
    FavoritesReadResult read = ReadBytes(Header(0x7FFFFFFF) + Record(1) + Record(2));
    EXPECT_TRUE(read.damaged);
    ASSERT_EQ(2, read.table.count());
    EXPECT_EQ("名前1", read.table.items[0].name);
    EXPECT_EQ("名前2", read.table.items[1].name);
}

TEST(FavoritesDamage, ShortLastRecordIsZeroFilled)
{
    FavoritesReadResult read = ReadBytes(Header(2) + Record(1) + Record(2).substr(0, 531));
    EXPECT_TRUE(read.damaged);
    ASSERT_EQ(2, read.table.count());
    const Favorite& last = read.table.items[1];
    EXPECT_EQ("名前2", last.name);
    EXPECT_EQ("C:\\", last.baseFolder);  // cut where the file ends
    EXPECT_EQ("", last.targetFolder);
    EXPECT_EQ(0, last.direction);
}

TEST(FavoritesDamage, BytesAfterTheLastRecordAreNoDamage)
{
    FavoritesReadResult read = ReadBytes(Header(1) + Record(1) + "trailing");
    EXPECT_FALSE(read.damaged);
    ASSERT_EQ(1, read.table.count());
    EXPECT_EQ(1, read.table.items[0].direction);
}
