#pragma once

#include <map>
#include <string>
#include <vector>

namespace nimbus {

class InBuffer;
class OutBuffer;

// The title of each level, as its designer named it: the index the level compiler
// writes beside the level maps. One line a level, the name of its folder, a space and
// its title ("23 Closing In"); blank lines and lines starting with "#" are passed over.
// A damaged line (no title, a name no level folder could have, a control character, a
// line too long) is reported with one error line and skipped; the rest is kept.
class LevelTitles {
public:
    // The longest title kept, in bytes.
    static constexpr size_t kMaxTitle = 64;

    // Adds the titles of the input's good lines; a later line of a level replaces an
    // earlier one.
    void read(InBuffer& in);
    // False when the sink refuses bytes.
    bool write(OutBuffer& out) const;
    // False, doing nothing, for a name or title the index could not hold, or a new level
    // beyond kMaxLevels.
    bool set(const std::string& level, const std::string& title);
    // The title of the level, or the empty text.
    const std::string& titleOf(const std::string& level) const;
    // The titles of the levels in their order.
    std::vector<std::string> titlesOf(const std::vector<std::string>& levels) const;
    size_t size() const { return titles_.size(); }

private:
    std::map<std::string, std::string> titles_;
};

}  // namespace nimbus
