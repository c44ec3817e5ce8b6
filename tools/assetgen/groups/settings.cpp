// The settings defaults copied to a new player's settings file. It deliberately carries no "VERSION NO":
// the game writes its own, and a shipped version beginning with "0" once made it delete every profile.

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"

namespace assetgen {
namespace {

constexpr const char* kDefaults =
    "FULL SCREEN=1\n"
    "WIDESCREEN=1\n"
    "BORDERLESS WINDOW=0\n"
    "SOUND=1\n"
    "MUSIC=1\n"
    "SPEECH=1\n"
    "SOUND VOLUME=100\n"
    "MUSIC VOLUME=100\n"
    "SPEECH VOLUME=100\n"
    "FADE=1\n"
    "PARTICLES=80\n"
    "SCREENSHAKE=100\n"
    "PORTAL SPLASH=0\n"
    "PORTAL SPLASH2=0\n"
    "INTRO=1\n"
    "VSYNC=1\n"
    "DRIVER=0\n"
    "SOUND DRIVER=FreeAudio\n"
    "FULL SCREEN PROCESS PRIORITY=0\n"
    "FULL SCREEN THREAD PRIORITY=0\n"
    "WINDOWED PROCESS PRIORITY=0\n"
    "WINDOWED THREAD PRIORITY=0\n"
    "PROFILE NAME=\n"
    "REGION=0\n"
    "SUB-REGION=0\n"
    "CUSTOM MOUSE POINTER=1\n";

const GroupRegistration kSettings({
    .name = "settings",
    .required = {"Default.ini"},
    .make = [](DataFolder& out) { out.Write("Default.ini", kDefaults); },
});

}  // namespace
}  // namespace assetgen
