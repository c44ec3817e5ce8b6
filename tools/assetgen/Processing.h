#pragma once

#include "tools/assetgen/Synth.h"

// What is done to a whole buffer once its sources are in: mixing, space (reverb, echo), colour
// (saturation, panning) and the finishing that every file gets (fades, level).
namespace assetgen::synth {

// Adds part into out from at seconds on, scaled by gain; what runs past the end of out is dropped.
void Mix(Stereo& out, const Stereo& part, double at, double gain);

// Carries the sound across the stereo field from one position to another over its length.
void AutoPan(Stereo& buffer, double from, double to);

// A diffuse room tail (parallel damped combs into all-passes, spread between the channels) mixed in at
// wet; the dry sound stays. The first form reverberates the buffer itself, the second a send bus.
void AddReverb(Stereo& buffer, double roomSize, double damping, double wet);
void AddReverb(Stereo& out, const Stereo& send, double roomSize, double damping, double wet);

// Repeats delaySeconds apart, each feedback times the last and duller (low-passed at cutoffHz), mixed
// in at wet; the right channel's repeats come a little later, for width.
void AddEcho(Stereo& buffer, double delaySeconds, double feedback, double cutoffHz, double wet);

// Drives the buffer into gentle saturation: booms get thicker and their peaks rounder.
void Saturate(Stereo& buffer, double drive);

// Raised-cosine fades at the ends, so the sound starts and stops at zero and loops without a click.
void FadeEnds(Stereo& buffer, double fadeInSeconds, double fadeOutSeconds);

// Scales the buffer so its peak sits at dbfs (below 0).
void NormalisePeak(Stereo& buffer, double dbfs);

// Turns a rendering that rings on past its loop into a seamless loop of loopSeconds: what sounds after
// the loop's end is added onto its start (where it would ring when the loop comes round), then cut off.
void FoldLoop(Stereo& buffer, double loopSeconds);

// Brings a piece of music to an RMS of rmsDbfs, rounding off the rare peaks above a knee so that none
// reaches ceilingDbfs.
void Level(Stereo& buffer, double rmsDbfs, double ceilingDbfs);

// Makes a sound effect ready to ship: no offset, no quiet lead-in (it sounds from its first
// milliseconds), the tail cut once it has died away and faded to exact silence, the peak at dbfs.
void FinishEffect(Stereo& buffer, double dbfs);

}  // namespace assetgen::synth
