#pragma once

namespace platform {

class Mixer;

// Where the mixed sound goes: a device that pulls Mixer::Mix() on a thread of its own, or nothing at
// all. The audio layer locks the output around every change to the mixer's state.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Starts pulling from the mixer, replacing whatever was open. Without wantSound, or when no device
    // can be opened, the output still keeps time but is silent. Never fails.
    virtual void Open(Mixer& mixer, bool wantSound) = 0;
    // Stops pulling; the mixer is not touched afterwards.
    virtual void Close() = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    virtual bool Silent() const = 0;
};

// Holds the output's lock for a scope.
class OutputLock {
public:
    explicit OutputLock(AudioOutput& output) : output_(output) { output_.Lock(); }
    ~OutputLock() { output_.Unlock(); }
    OutputLock(const OutputLock&) = delete;
    OutputLock& operator=(const OutputLock&) = delete;

private:
    AudioOutput& output_;
};

}  // namespace platform
