#include "game/rules/HighScoreList.h"

#include <algorithm>

#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"

namespace nimbus {

namespace {

// A record is at least its zero byte and its score.
constexpr int64_t kSmallestRecord = 5;

}  // namespace

int HighScoreList::add(const std::string& name, int32_t score) {
    const auto at = std::partition_point(entries_.begin(), entries_.end(),
                                         [score](const HighScoreEntry& e) { return e.score > score; });
    newestIndex_ = static_cast<int>(at - entries_.begin());
    entries_.insert(at, HighScoreEntry{name, score});
    return newestIndex_;
}

void HighScoreList::clamp(int n) {
    if (n >= 0 && size() > n) entries_.resize(n);
}

void HighScoreList::fillDefaults() {
    if (!entries_.empty()) return;
    add("Halvi", 1000);
    add("Tarlow", 2000);
    add("Vesk", 4000);
    add("Orvin", 5000);
    add("Celane", 6000);
    add("Wenna", 7000);
}

bool HighScoreList::sameEntries(const HighScoreList& other) const {
    return std::equal(entries_.begin(), entries_.end(), other.entries_.begin(), other.entries_.end(),
                      [](const HighScoreEntry& a, const HighScoreEntry& b) {
                          return a.score == b.score && a.name == b.name;
                      });
}

bool HighScoreList::write(OutBuffer& out) const {
    const int32_t start = out.bytesWritten();
    int64_t expected = 4;
    out << static_cast<int32_t>(entries_.size());
    for (const HighScoreEntry& e : entries_) {
        const std::string name = e.name.substr(0, e.name.find('\0'));
        out << name << e.score;
        expected += static_cast<int64_t>(name.size()) + kSmallestRecord;
    }
    return out.bytesWritten() - start == expected;
}

bool HighScoreList::read(InBuffer& in) {
    int32_t count = -1;
    if (in.bytesLeft() < 4) {
        LOG_ERROR("High-score file " << in.name() << " is too short");
        return false;
    }
    in >> count;
    if (count < 0 || count * kSmallestRecord > in.bytesLeft()) {
        LOG_ERROR("High-score file " << in.name() << " is damaged: " << count << " entries in "
                                     << in.bytesLeft() << " bytes");
        return false;
    }
    std::vector<HighScoreEntry> read(count, HighScoreEntry{"anonymous", 0});
    for (HighScoreEntry& e : read) {
        e.name.clear();
        in >> e.name >> e.score;
    }
    entries_ = std::move(read);
    return true;
}

}  // namespace nimbus
