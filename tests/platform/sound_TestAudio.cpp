#include "sound_TestAudio.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

constexpr int TicksPerQuarter = 480;
// 120 beats a minute: a quarter note lasts half a second.
constexpr int MicrosecondsPerQuarter = 500000;

void AppendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    std::vector<uint8_t> bytes{static_cast<uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) {
        bytes.push_back(static_cast<uint8_t>((value & 0x7F) | 0x80));
    }
    out.insert(out.end(), bytes.rbegin(), bytes.rend());
}

void AppendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

struct Note {
    uint32_t start;  // in ticks
    uint32_t length;
    uint8_t channel;
    uint8_t key;
    uint8_t velocity;
};

struct Event {
    uint32_t tick;
    std::vector<uint8_t> bytes;
};

}  // namespace

void TestAudio::WriteSong(const std::string& path, double songSeconds) {
    const auto quarters = static_cast<uint32_t>(songSeconds * 2);
    const uint8_t tune[] = {67, 67, 67, 69, 67, 67, 62, 64, 66, 67, 71, 69};
    const uint8_t chords[][3] = {{55, 59, 62}, {54, 57, 62}, {52, 55, 60}, {55, 59, 62}};
    std::vector<Note> notes;
    for (uint32_t q = 0; q < quarters; ++q) {
        const uint32_t start = q * TicksPerQuarter;
        notes.push_back({start, TicksPerQuarter, 0, tune[q % std::size(tune)], 80});
        if (q % 2 == 0) {
            const uint32_t length = std::min<uint32_t>(2, quarters - q) * TicksPerQuarter;
            for (uint8_t key : chords[(q / 2) % std::size(chords)]) {
                notes.push_back({start, length, 1, key, 50});
            }
            notes.push_back(
                {start, length, 2, static_cast<uint8_t>(chords[(q / 2) % 4][0] - 24), 85});
        }
    }

    std::vector<Event> events{{0, {0xC0, 19}}, {0, {0xC1, 48}}, {0, {0xC2, 32}}};
    for (const Note& note : notes) {
        events.push_back(
            {note.start, {static_cast<uint8_t>(0x90 | note.channel), note.key, note.velocity}});
        events.push_back(
            {note.start + note.length, {static_cast<uint8_t>(0x80 | note.channel), note.key, 0}});
    }
    // Note-offs before note-ons on the same tick, so repeated keys restart.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : (a.bytes[0] & 0xF0) < (b.bytes[0] & 0xF0);
    });

    std::vector<uint8_t> track{0x00, 0xFF, 0x51, 0x03};
    AppendBigEndian(track, MicrosecondsPerQuarter, 3);
    uint32_t tick = 0;
    for (const Event& event : events) {
        AppendVariableLength(track, event.tick - tick);
        tick = event.tick;
        track.insert(track.end(), event.bytes.begin(), event.bytes.end());
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    AppendBigEndian(file, TicksPerQuarter, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    AppendBigEndian(file, static_cast<uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

std::vector<float> TestAudio::ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::copy_n(bytes.data(), samples.size() * sizeof(float),
                reinterpret_cast<char*>(samples.data()));
    return samples;
}

float TestAudio::Peak(const std::vector<float>& samples, int64_t from, int64_t to) {
    const auto frames = static_cast<int64_t>(samples.size() / 2);
    float peak = 0;
    for (int64_t i = std::max<int64_t>(from, 0) * 2; i < std::min(to, frames) * 2; ++i) {
        peak = std::max(peak, std::fabs(samples[static_cast<size_t>(i)]));
    }
    return peak;
}

double TestAudio::ToDbfs(float peak) {
    return 20 * std::log10(std::max(peak, 1e-9f));
}
