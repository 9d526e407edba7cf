#pragma once

// The game's clubs and national teams as read from its team database.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnix
{

struct Kit
{
    std::uint8_t jerseyIndex = 0;          // 0-63: the jersey file PK0<jerseyIndex + 1>
    std::array<std::uint8_t, 7> colours{}; // jersey 1st, 2nd, 3rd, shorts 1st, 2nd, socks 1st, 2nd (0-31)
};

class CTeamRecord
{
  public:
    // Not defaulted: a defaulted constructor makes CTeamRecord() zero the whole record before the members'
    // own initialisers run, which was a large part of reading thousands of them.
    CTeamRecord() {}
    CTeamRecord(const CTeamRecord&) = default;
    CTeamRecord(CTeamRecord&&) noexcept = default;
    CTeamRecord& operator=(const CTeamRecord&) = default;
    CTeamRecord& operator=(CTeamRecord&&) noexcept = default;
    virtual ~CTeamRecord() = default;

    int id = 0;
    Kit homeKit;
    Kit awayKit;
    std::string_view name;   // UTF-8, decoded from the game's Windows-1252: text the collection holds (KeepName)
    std::string_view league; // the section's name, empty when no named section lists the team
    std::string homeJerseyFile; // assigned in memory by the assignment dialog; never saved
    std::string awayJerseyFile;
};

// The game's teams indexed by team id: `teams[id]` is the team with that id, or null for a slot without
// one, and size() is the highest id loaded plus one. The records are held by value in blocks (start-up reads
// thousands of them, and one allocation each cost more than reading them): the reader reserves one block
// for the teams it found, a record put beyond that takes a block of kBlockRecords. A block never moves, so
// a pointer taken from the collection stays valid until clear().
class TeamCollection
{
  public:
    static constexpr std::size_t kSlots = 2048;      // team ids have eleven bits
    static constexpr std::size_t kBlockRecords = 64; // records per block when none was reserved

    TeamCollection() = default;
    // The slots point into the blocks, so a copy would point into the original; moving keeps the blocks.
    TeamCollection(const TeamCollection&) = delete;
    TeamCollection& operator=(const TeamCollection&) = delete;
    TeamCollection(TeamCollection&& other) noexcept { *this = std::move(other); }
    TeamCollection& operator=(TeamCollection&& other) noexcept
    {
        if (this != &other)
        {
            m_slots = std::exchange(other.m_slots, {});
            m_blocks = std::exchange(other.m_blocks, {});
            m_names = std::exchange(other.m_names, {});
            m_nameNext = std::exchange(other.m_nameNext, nullptr);
            m_nameFree = std::exchange(other.m_nameFree, 0);
        }
        return *this;
    }

    std::size_t size() const { return m_slots.size(); }
    bool empty() const { return m_slots.empty(); }

    CTeamRecord* operator[](std::size_t id) { return Slot(id); }
    const CTeamRecord* operator[](std::size_t id) const { return Slot(id); }

    // As operator[], but an id at or beyond size() throws std::out_of_range.
    CTeamRecord* at(std::size_t id)
    {
        Check(id);
        return Slot(id);
    }
    const CTeamRecord* at(std::size_t id) const
    {
        Check(id);
        return Slot(id);
    }

    // A fresh record (every field at its default, `id` set) at slot `id`, growing the collection as
    // needed; a team already there is replaced.
    CTeamRecord& Put(int id)
    {
        const auto slot = static_cast<std::size_t>(id);
        if (slot >= kSlots)
        {
            throw std::out_of_range("team id " + std::to_string(id) + " has more than eleven bits");
        }
        if (m_slots.size() <= slot)
        {
            m_slots.resize(slot + 1, nullptr);
        }
        if (m_slots[slot] == nullptr)
        {
            Reserve(1);
            m_slots[slot] = m_blocks.back()->Add();
        }
        else
        {
            *m_slots[slot] = CTeamRecord();
        }
        m_slots[slot]->id = id;
        return *m_slots[slot];
    }

    // Room for `count` more records in one block, and for slots up to `slotCount` (a reader that knows how many
    // teams follow asks once).
    void Reserve(std::size_t count, std::size_t slotCount = 0)
    {
        m_slots.reserve(std::min(slotCount, kSlots));
        if (m_blocks.empty() || m_blocks.back()->Room() < count)
        {
            m_blocks.push_back(std::make_unique<RecordBlock>(std::max(kBlockRecords, std::min(count, kSlots))));
        }
    }

    // A copy of `text` held by the collection until clear(), for a record's name: names share a few
    // blocks instead of one allocation each.
    std::string_view KeepName(std::string_view text)
    {
        if (text.empty())
        {
            return {};
        }
        if (m_nameFree < text.size())
        {
            const std::size_t size = std::max(kNameBlock, text.size());
            m_names.push_back(std::make_unique_for_overwrite<char[]>(size));
            m_nameNext = m_names.back().get();
            m_nameFree = size;
        }
        char* kept = m_nameNext;
        std::copy(text.begin(), text.end(), kept);
        m_nameNext += text.size();
        m_nameFree -= text.size();
        return {kept, text.size()};
    }

    void clear()
    {
        m_slots.clear();
        m_blocks.clear();
        m_names.clear();
        m_nameNext = nullptr;
        m_nameFree = 0;
    }

    // The slots in id order, each a CTeamRecord* that is null where there is no team.
    template <typename Record> class SlotIterator
    {
      public:
        explicit SlotIterator(CTeamRecord* const* slot) : m_slot(slot) {}
        Record* operator*() const { return *m_slot; }
        SlotIterator& operator++()
        {
            ++m_slot;
            return *this;
        }
        bool operator==(const SlotIterator& other) const { return m_slot == other.m_slot; }

      private:
        CTeamRecord* const* m_slot;
    };
    SlotIterator<CTeamRecord> begin() { return SlotIterator<CTeamRecord>(m_slots.data()); }
    SlotIterator<CTeamRecord> end() { return SlotIterator<CTeamRecord>(m_slots.data() + m_slots.size()); }
    SlotIterator<const CTeamRecord> begin() const { return SlotIterator<const CTeamRecord>(m_slots.data()); }
    SlotIterator<const CTeamRecord> end() const
    {
        return SlotIterator<const CTeamRecord>(m_slots.data() + m_slots.size());
    }

  private:
    CTeamRecord* Slot(std::size_t id) const { return id < m_slots.size() ? m_slots[id] : nullptr; }
    void Check(std::size_t id) const
    {
        if (id >= m_slots.size())
        {
            throw std::out_of_range("team id " + std::to_string(id) + " is beyond the collection's " +
                                    std::to_string(m_slots.size()) + " slots");
        }
    }

    std::vector<CTeamRecord*> m_slots; // per id: the record, or null
    // Storage for records, each constructed when it is handed out (so a record is written once, where a
    // block constructed whole would write every record twice).
    class RecordBlock
    {
      public:
        explicit RecordBlock(std::size_t capacity)
            : m_records(std::allocator<CTeamRecord>().allocate(capacity)), m_capacity(capacity)
        {
        }
        ~RecordBlock()
        {
            std::destroy_n(m_records, m_used);
            std::allocator<CTeamRecord>().deallocate(m_records, m_capacity);
        }
        RecordBlock(const RecordBlock&) = delete;
        RecordBlock& operator=(const RecordBlock&) = delete;

        std::size_t Room() const { return m_capacity - m_used; }
        CTeamRecord* Add() { return std::construct_at(m_records + m_used++); } // only while Room() > 0

      private:
        CTeamRecord* m_records;
        std::size_t m_capacity;
        std::size_t m_used = 0;
    };
    std::vector<std::unique_ptr<RecordBlock>> m_blocks; // never moved; the last one is being filled
    static constexpr std::size_t kNameBlock = 16384;
    std::vector<std::unique_ptr<char[]>> m_names; // the names' blocks; the last one is being filled
    char* m_nameNext = nullptr;                   // its first free byte
    std::size_t m_nameFree = 0;                   // and how many are left
};

enum class Strip
{
    Home,
    Away,
};

// "home" or "away": for messages and the command line's JSON.
inline const char* StripName(Strip strip)
{
    return strip == Strip::Home ? "home" : "away";
}

inline const Kit& KitOf(const CTeamRecord& team, Strip strip)
{
    return strip == Strip::Home ? team.homeKit : team.awayKit;
}

// One line of the page-one list: "NAME - Home" or "NAME - Away". The strip travels with the line, so a
// team whose name holds "Home" still previews the strip the line stands for.
struct TeamLine
{
    std::string text;
    int team = 0;
    Strip strip = Strip::Home;
};

} // namespace tarnix
