#include "engine/path_index.h"

#include "system/path_text.h"

void PathIndex::Reserve(std::size_t count)
{
    std::size_t size = 16;
    while (size < count * 2)
        size *= 2;
    m_slots.assign(size, Slot{});
    m_chain.assign(m_table.size(), kNone);
    m_mask = size - 1;
}

std::size_t PathIndex::Find(std::string_view path, std::size_t hash) const
{
    std::size_t slot = hash & m_mask;
    while (m_slots[slot].key != kNone && !SamePathIgnoringCase(m_table[m_slots[slot].key].relativePath, path))
        slot = (slot + 1) & m_mask;
    return slot;
}

void PathIndex::Insert(std::int32_t index)
{
    const std::string& path = m_table[index].relativePath;
    Slot& slot = m_slots[Find(path, FoldedPathHash(path))];
    if (slot.key == kNone) {
        slot.key = slot.next = index;
    } else if (slot.next == kNone) {
        slot.next = index;
    } else {
        m_chain[slot.last] = index;
    }
    slot.last = index;
}

std::int32_t PathIndex::Take(std::string_view path)
{
    Slot& slot = m_slots[Find(path, FoldedPathHash(path))];
    std::int32_t taken = slot.next;
    if (taken != kNone)
        slot.next = m_chain[taken];
    return taken;
}
