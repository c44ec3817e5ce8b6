// Level complete: a little fanfare in B flat major at 112 beats a minute. Bells, celesta and the reed
// organ call it out over timpani, it settles on the tonic with a harp sweep, and a soft dominant bar
// leads back, so the panel can stay up while it loops. 6 bars, about 13 seconds.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 112, .barBeats = 4};
    const Key key{70, Mode::Major};  // B flat 4
    Piece piece(meter, 0xe0d);

    const std::vector<Chord> chords =
        Progression(key, meter, "I | IV:2 V:2 | I:2 vi:2 | IV:2 V7:2 | I | V7sus4:2 V7:2", 0);
    const auto bar = [&](int n) { return meter.Bar(n); };
    const std::string_view fanfare = "1q. 1e 3q 5q | 6q 4q 5q 2'q | 1'h 6q 5q | 4q 6q 5h | 1'w | rh 5,q 7,q";

    piece.Add(Celesta(), {.gain = 0.8, .pan = -0.15, .reverb = 0.35}).Add(Melody(key, meter, fanfare, 0));
    piece.Add(MusicBox(), {.gain = 0.4, .pan = 0.3, .reverb = 0.4})
        .Add(Shifted(Melody(key, meter, fanfare, 0), 0, 12));
    piece.Add(ReedOrgan(), {.gain = 0.55, .pan = 0, .reverb = 0.35})
        .Add(Shifted(Melody(key, meter, fanfare, 0), 0, -12));
    piece.Add(Strings(), {.gain = 0.35, .pan = 0, .reverb = 0.4})
        .Add(Pattern(chords, meter, "ch", 53, 0, bar(6)));

    piece.Add(Bass(), {.gain = 0.75, .pan = 0, .reverb = 0.15})
        .Add(Pattern(chords, meter, "0q rq 0q rq", 34, 0, bar(5)));
    piece.Add(Pizzicato(), {.gain = 0.45, .pan = 0.4, .reverb = 0.25})
        .Add(Pattern(chords, meter, "rq cq rq cq", 58, 0, bar(4)));
    piece.Add(Harp(), {.gain = 0.35, .pan = -0.45, .reverb = 0.4})
        .Add(Pattern(chords, meter, "0s 1s 2s 3s 4s 5s 6s 7s rh", 53, bar(4), bar(5)))
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 3e 2e 1e", 53, bar(5), bar(6)));

    Part& timpani = piece.Add(Timpani(), {.gain = 0.5, .pan = 0.1, .reverb = 0.3, .looseness = 0.002});
    timpani.Add(Pattern(chords, meter, "0q 0e 0e 0q rq", 34, 0, bar(1)));
    timpani.Add(Pattern(chords, meter, "0q rq 0q rq", 34, bar(3), bar(4)));
    timpani.Add(Pattern(chords, meter, "0q rh.", 34, bar(4), bar(5)));
    piece.Add(Triangle(), {.gain = 0.35, .pan = 0.5, .reverb = 0.5})
        .Add(Steps(meter, "x...|....|....|....|x...|....", 0, bar(6), 94));

    return piece.RenderLoop(6);
}

const GroupRegistration kMusicLevelEnd(MusicGroup("music_levelend", "levelend.ogg", Compose));

}  // namespace
}  // namespace assetgen
