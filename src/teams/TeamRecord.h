#pragma once

// The game's clubs and national teams as read from its team database.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
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
    std::string name;           // UTF-8, decoded from the game's Windows-1252
    std::string league;         // empty when no named section lists the team
    std::string homeJerseyFile; // assigned in memory by the assignment dialog; never saved
    std::string awayJerseyFile;
};

// The game's teams indexed by team id: `teams[id]` is the team with that id, or null for a slot without
// one, and size() is the highest id loaded plus one. The records are held by value in one block with room
// for every id (start-up reads thousands of them, and one allocation each cost more than reading them);
// the block never moves, so a pointer taken from the collection stays valid until clear().
class TeamCollection
{
  public:
    static constexpr std::size_t kSlots = 2048; // team ids have eleven bits

    TeamCollection() = default;
    // The slots point into the records, so a copy would point into the original; moving keeps the block.
    TeamCollection(const TeamCollection&) = delete;
    TeamCollection& operator=(const TeamCollection&) = delete;
    TeamCollection(TeamCollection&&) noexcept = default;
    TeamCollection& operator=(TeamCollection&&) noexcept = default;

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
            // Room for every id at once: the records then never move.
            m_records.reserve(kSlots);
            m_slots.reserve(kSlots);
            m_slots.resize(slot + 1, nullptr);
        }
        if (m_slots[slot] == nullptr)
        {
            m_slots[slot] = &m_records.emplace_back();
        }
        else
        {
            *m_slots[slot] = CTeamRecord();
        }
        m_slots[slot]->id = id;
        return *m_slots[slot];
    }

    void clear()
    {
        m_slots.clear();
        m_records.clear();
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

    std::vector<CTeamRecord*> m_slots;  // per id: the record, or null
    std::vector<CTeamRecord> m_records; // at most kSlots, so never reallocated once reserved
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
