#pragma once
// What a Standard MIDI File says about itself, read chunk by chunk: its tracks, where each
// ends, and every note with the ticks it sounds between.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace skyscrub::sound_check {

struct MidiNote {
  int channel = 0;  // 0-based; 9 is the drums
  int key = 60;
  std::uint32_t on = 0, off = 0;  // ticks
};

struct MidiSummary {
  int format = -1, declaredTracks = 0, tracks = 0, division = 0;
  std::uint32_t microsPerBeat = 500000;
  std::vector<std::uint32_t> endTicks;  // per track, the tick of its end-of-track event
  std::vector<MidiNote> notes;          // notes switched on and off again
  int hangingNotes = 0;                 // note-ons never switched off, and offs of no note
  std::vector<int> programs;            // every program change, on any channel but the drums'
  std::map<std::string, int> channelOf;  // a track's name -> the channel of its first event
  bool wellFormed = true;

  double Bars() const;  // of four beats, up to the first track's end
};

MidiSummary Summarise(const std::vector<std::uint8_t>& file);

}  // namespace skyscrub::sound_check
