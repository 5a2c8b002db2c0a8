#include "assets/generator/midi_file.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

struct Event {
  std::uint32_t tick;
  int order;  // at the same tick: set-up first, then note-offs, then note-ons
  std::vector<std::uint8_t> bytes;
};

std::uint32_t Ticks(double beats) { return static_cast<std::uint32_t>(std::lround(beats * kTicksPerBeat)); }

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> TrackChunk(std::vector<Event> events, std::uint32_t endTick) {
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
  events.push_back({endTick, 9, {0xFF, 0x2F, 0x00}});  // end of track at the loop point
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const Event& e : events) {
    AppendVariableLength(body, e.tick - now);
    now = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
  AppendBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> MetaText(std::uint8_t type, const std::string& text) {
  std::vector<std::uint8_t> bytes{0xFF, type};
  AppendVariableLength(bytes, static_cast<std::uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return bytes;
}

std::vector<Event> PartEvents(const MidiPart& part, std::uint32_t endTick) {
  const auto channel = static_cast<std::uint8_t>(part.channel);
  std::vector<Event> events{{0, 0, MetaText(0x03, part.name)},
                            {0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 7, static_cast<std::uint8_t>(part.volume)}},
                            {0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 10, static_cast<std::uint8_t>(part.pan)}},
                            {0, 0, {static_cast<std::uint8_t>(0xB0 | channel), 91, static_cast<std::uint8_t>(part.reverb)}}};
  if (part.channel != kDrumChannel)
    events.push_back({0, 0, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(part.program)}});
  for (const Note& note : part.notes) {
    const std::uint32_t on = Ticks(note.start);
    // A hair short of full length, so repeated notes re-strike cleanly; never past the loop point.
    const std::uint32_t off = std::min(endTick, std::max(on + 1, Ticks(note.start + note.length) - 8));
    const auto pitch = static_cast<std::uint8_t>(note.pitch);
    events.push_back({on, 2, {static_cast<std::uint8_t>(0x90 | channel), pitch, static_cast<std::uint8_t>(note.velocity)}});
    events.push_back({off, 1, {static_cast<std::uint8_t>(0x80 | channel), pitch, 0}});
  }
  return events;
}

}  // namespace

void AppendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 0) {
    --count;
    out.push_back(static_cast<std::uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
  }
}

std::vector<std::uint8_t> SmfBytes(const MidiPiece& piece) {
  const std::uint32_t endTick = Ticks(piece.lengthBeats);
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  AppendBigEndian(out, static_cast<std::uint32_t>(piece.parts.size() + 1), 2);
  AppendBigEndian(out, kTicksPerBeat, 2);
  const auto microsPerBeat = static_cast<std::uint32_t>(std::lround(60'000'000.0 / piece.beatsPerMinute));
  std::vector<Event> tempo{{0, 0, {0xFF, 0x51, 0x03}}, {0, 0, {0xFF, 0x58, 0x04, 4, 2, 24, 8}}};
  AppendBigEndian(tempo[0].bytes, microsPerBeat, 3);
  const std::vector<std::uint8_t> conductor = TrackChunk(std::move(tempo), endTick);
  out.insert(out.end(), conductor.begin(), conductor.end());
  for (const MidiPart& part : piece.parts) {
    const std::vector<std::uint8_t> track = TrackChunk(PartEvents(part, endTick), endTick);
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

}  // namespace assetgen
