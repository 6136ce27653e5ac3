#include "game/player/Replay.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/ByteHash.h"
#include "core/InBuffer.h"
#include "core/Log.h"
#include "core/MemoryInBuffer.h"
#include "core/OutBuffer.h"
#include "core/Stream.h"
#include "core/VectorOutBuffer.h"
#include "core/posix/FileInBuffer.h"

namespace nimbus {

namespace {

constexpr char kMarker[8] = {'N', 'B', 'R', 'E', 'P', 'L', 'A', 'Y'};
constexpr int32_t kPrefixBytes = sizeof kMarker + sizeof(uint32_t);
constexpr int64_t kStepBytes = 4;
constexpr int64_t kEventBytes = 20;
constexpr int64_t kChecksumBytes = 8;
// Longer than any name the game writes.
constexpr size_t kMaxText = 255;
// Farther than any board reaches; keeps the rules' distances inside 32 bits.
constexpr int32_t kFarthestCell = 1 << 20;
constexpr int32_t kMaxMultiplier = 32;

bool refuse(const std::string& source, const std::string& why) {
    LOG_ERROR("The replay " << source << " is refused: " << why);
    return false;
}

// Takes the fields of the header one after the other, noting whether the bytes ran out
// or a text had no end.
class Fields {
public:
    explicit Fields(InBuffer& in) : in_(in) {}

    template <typename T>
    void number(T& value) {
        if (in_.bytesLeft() < static_cast<int32_t>(sizeof value))
            ranOut_ = true;
        else
            in_ >> value;
    }
    void text(std::string& value) {
        value.clear();
        for (char c = 1; !ranOut_ && !tooLong_;) {
            if (in_.read(&c, 1) != 1)
                ranOut_ = true;
            else if (c == '\0')
                return;
            else if (value.size() == kMaxText)
                tooLong_ = true;
            else
                value.push_back(c);
        }
    }
    bool ranOut() const { return ranOut_; }
    bool tooLong() const { return tooLong_; }

private:
    InBuffer& in_;
    bool ranOut_ = false;
    bool tooLong_ = false;
};

bool validEvent(const RunEvent& event, int32_t previousFrame, size_t steps) {
    if (event.frame < previousFrame || event.frame > static_cast<int64_t>(steps)) return false;
    if (event.kind == RunEvent::kPointsTaken) return event.points >= 0;
    const GameCommand& c = event.command;
    return event.kind == RunEvent::kCommand && c.kind >= kCommandNothing && c.kind < kCommandKindEnd &&
           c.x >= -kFarthestCell && c.x <= kFarthestCell && c.y >= -kFarthestCell && c.y <= kFarthestCell;
}

bool validStart(const PlayerStats& s) {
    return s.score >= 0 && s.lives > 0 && s.multiplier >= 1 && s.multiplier <= kMaxMultiplier &&
           std::isfinite(s.comboTimer);
}

// Each step of reading returns why the bytes are refused, or nothing.

std::string prefixProblem(const std::vector<unsigned char>& bytes) {
    // What there is of the marker must be the marker; an empty file is a truncated one.
    const size_t marked = std::min(bytes.size(), sizeof kMarker);
    if (!std::equal(bytes.begin(), bytes.begin() + marked, kMarker)) return "it is not a replay";
    if (bytes.size() < kPrefixBytes) return "it is truncated";
    uint32_t version = 0;
    std::memcpy(&version, bytes.data() + sizeof kMarker, sizeof version);
    if (version == Replay::kFormatVersion) return std::string();
    return "it is of replay format " + std::to_string(version) + ", this game reads format " +
           std::to_string(Replay::kFormatVersion);
}

// The counts of the run's steps and events, as the header gives them.
struct Counts {
    uint32_t steps = 0;
    uint32_t events = 0;
};

std::string readHeader(InBuffer& in, ReplayHeader& h, RunRecording& r, Counts& counts) {
    Fields fields(in);
    fields.text(h.gameVersion);
    fields.text(h.levelName);
    fields.number(r.levelHash);
    fields.text(h.playerName);
    fields.number(h.score);
    fields.number(h.seconds);
    fields.number(h.date);
    fields.number(r.start.score);
    fields.number(r.start.lives);
    fields.number(r.start.multiplier);
    fields.number(r.start.comboTimer);
    fields.number(counts.steps);
    fields.number(counts.events);
    if (fields.tooLong()) return "it is damaged: a name runs on without end";
    if (fields.ranOut()) return "it is truncated within its header";
    return std::string();
}

// The size the header's counts give must be the file's, and the check must match.
std::string sizeProblem(const std::vector<unsigned char>& bytes, int64_t headerBytes, const Counts& counts) {
    const int64_t size = static_cast<int64_t>(bytes.size());
    const int64_t expected =
        headerBytes + counts.steps * kStepBytes + counts.events * kEventBytes + kChecksumBytes;
    if (size < expected) {
        return "it is truncated: " + std::to_string(size) + " of its " + std::to_string(expected) +
               " bytes are there";
    }
    if (size > expected) return "it is damaged: " + std::to_string(size - expected) + " bytes follow its end";
    uint64_t checksum = 0;
    std::memcpy(&checksum, bytes.data() + size - kChecksumBytes, sizeof checksum);
    if (checksum != hashBytes(bytes.data(), static_cast<size_t>(size - kChecksumBytes)))
        return "it is damaged: its bytes do not match their check";
    return std::string();
}

std::string readRun(InBuffer& in, const ReplayHeader& h, RunRecording& r, const Counts& counts) {
    if (!std::isfinite(h.seconds) || h.seconds < 0.0 || !validStart(r.start))
        return "it is damaged: its header makes no sense";
    r.steps.resize(counts.steps);
    for (float& dt : r.steps) {
        in >> dt;
        if (!std::isfinite(dt) || dt < 0.0f) return "it is damaged: a frame has no valid time";
    }
    r.events.resize(counts.events);
    int32_t previousFrame = 0;
    for (RunEvent& e : r.events) {
        int32_t a = 0, b = 0, c = 0;
        in >> e.frame >> e.kind >> a >> b >> c;
        const bool points = e.kind == RunEvent::kPointsTaken;
        e.command = points ? GameCommand() : GameCommand(a, b, c);
        e.points = points ? a : 0;
        if (!validEvent(e, previousFrame, r.steps.size()) || (points && (b != 0 || c != 0)))
            return "it is damaged: an event is out of order or unknown";
        previousFrame = e.frame;
    }
    return std::string();
}

}  // namespace

bool Replay::write(OutBuffer& out) const {
    VectorOutBuffer bytes;
    bytes.write(kMarker, sizeof kMarker);
    bytes << kFormatVersion << header.gameVersion << header.levelName << run.levelHash << header.playerName
          << header.score << header.seconds << header.date;
    bytes << run.start.score << run.start.lives << run.start.multiplier << run.start.comboTimer;
    bytes << static_cast<uint32_t>(run.steps.size()) << static_cast<uint32_t>(run.events.size());
    for (float dt : run.steps) bytes << dt;
    for (const RunEvent& e : run.events) {
        const bool points = e.kind == RunEvent::kPointsTaken;
        bytes << e.frame << e.kind << (points ? e.points : e.command.kind) << (points ? 0 : e.command.x)
              << (points ? 0 : e.command.y);
    }
    bytes << hashBytes(bytes.bytes().data(), bytes.bytes().size());
    const int32_t size = bytes.bytesWritten();
    return size <= kMaxBytes && out.write(bytes.bytes().data(), size) == size;
}

bool Replay::read(InBuffer& in) {
    const std::string source = in.name();
    const int32_t size = in.bytesLeft();
    if (size > kMaxBytes) return refuse(source, "it is larger than " + std::to_string(kMaxBytes) + " bytes");
    std::vector<unsigned char> bytes(static_cast<size_t>(size));
    if (in.read(bytes.data(), size) != size) return refuse(source, "it could not be read whole");

    ReplayHeader h;
    RunRecording r;
    Counts counts;
    MemoryInBuffer body(bytes.data() + std::min(size, kPrefixBytes), bytes.data() + size);
    std::string why = prefixProblem(bytes);
    if (why.empty()) why = readHeader(body, h, r, counts);
    if (why.empty()) why = sizeProblem(bytes, size - body.bytesLeft(), counts);
    if (why.empty()) why = readRun(body, h, r, counts);
    if (!why.empty()) return refuse(source, why);
    header = std::move(h);
    run = std::move(r);
    return true;
}

bool Replay::load(const std::string& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return refuse(path, systemErrorString(errno));
    // Refused before a byte is read, so a huge file costs nothing.
    if (info.st_size > kMaxBytes)
        return refuse(path, "it is larger than " + std::to_string(kMaxBytes) + " bytes");
    FileInBuffer in;
    if (!in.open(path)) return refuse(path, "it cannot be opened");
    return read(in);
}

bool Replay::fitsLevel(uint64_t levelHash, const std::string& source) const {
    if (run.levelHash == levelHash) return true;
    return refuse(source, "level " + header.levelName + " has changed since the run was recorded");
}

}  // namespace nimbus
