// The instruments: one function per part that renders a single note or hit
// into that part's stereo track (added, so notes may overlap).
#pragma once

#include "dsp.h"
#include "song.h"

namespace music {

// Drums and effects (drums.cpp).
void RenderKick(const Event& e, Stereo& out);
void RenderSnare(const Event& e, Stereo& out);
void RenderClap(const Event& e, Stereo& out);
void RenderHat(const Event& e, bool open, Stereo& out);
void RenderRide(const Event& e, Stereo& out);
void RenderCrash(const Event& e, Stereo& out);
void RenderTom(const Event& e, Stereo& out);
void RenderBoom(const Event& e, Stereo& out);
void RenderRiser(const Event& e, Stereo& out);

// Pitched synths (synths.cpp).
void RenderBass(const Event& e, Stereo& out);
void RenderPad(const Event& e, Stereo& out);
void RenderLead(const Event& e, Stereo& out);
void RenderArp(const Event& e, Stereo& out);
void RenderStab(const Event& e, Stereo& out);

// Dispatches on the part.
void RenderEvent(Part part, const Event& e, Stereo& out);

// A fixed seed for an event's noise, different for each part and start time.
inline uint32_t EventSeed(Part part, const Event& e) {
  return 0x6C8E9CF5u ^ (uint32_t(part) * 0x9E3779B1u) ^ (uint32_t(ToFrame(e.time)) * 0x85EBCA77u);
}

}  // namespace music
