// Finds entries by folded relative path in constant time, handing out the
// entries of one path in table order, each once.
#pragma once
#include "engine/file_entry.h"

#include <cstdint>
#include <string_view>
#include <vector>

class PathIndex {
public:
    static constexpr std::int32_t kNone = -1;

    // Indexes the entries of table for which wanted(entry) is true.
    template <class Predicate>
    PathIndex(const std::vector<FileEntry>& table, Predicate wanted) : m_table(table)
    {
        Reserve(table.size());
        for (std::size_t i = 0; i < table.size(); ++i)
            if (wanted(table[i]))
                Insert(static_cast<std::int32_t>(i));
    }

    // The first entry with this path not handed out yet, or kNone.
    std::int32_t Take(std::string_view path);

private:
    void Reserve(std::size_t count);
    void Insert(std::int32_t index);
    std::size_t Find(std::string_view path, std::size_t hash) const;

    struct Slot {
        std::int32_t key = kNone;  // an entry with the slot's path, for comparing
        std::int32_t next = kNone; // the next entry to hand out
        std::int32_t last = kNone; // where the next inserted entry is chained
    };
    const std::vector<FileEntry>& m_table;
    std::vector<Slot> m_slots;
    std::vector<std::int32_t> m_chain; // per entry: the next entry with the same path
    std::size_t m_mask = 0;
};
