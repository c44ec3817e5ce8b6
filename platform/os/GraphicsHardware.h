#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// What the system tells of its drawing hardware, read from device files and the environment without
// loading a graphics library: deciding between SDL's software renderer and OpenGL must not itself map
// the OpenGL stack (tens of megabytes and a few threads for the whole run).
struct GraphicsHardware {
    // The kernel driver of each DRM render node ("i915", "amdgpu", …; "" when the system does not say).
    std::vector<std::string> renderNodeDrivers;
    // A GPU driver's own device file, for drivers that make no render node.
    bool vendorDevice = false;
    // The environment asks OpenGL for a software rasteriser (LIBGL_ALWAYS_SOFTWARE, GALLIUM_DRIVER).
    bool softwareGlForced = false;
};

using EnvironmentLookup = std::function<const char*(const char* name)>;

// Reads the device files under root ("/" on a real system; a prepared folder in tests).
GraphicsHardware ReadGraphicsHardware(const std::string& root, const EnvironmentLookup& environment);

// True when OpenGL would run on a graphics processor rather than in software: a render node of a real
// GPU driver or a vendor's device file, and no software rasteriser asked for.
bool HasHardwareAcceleration(const GraphicsHardware& hardware);

// The two together on this system.
bool SystemHasHardwareAcceleration();

}  // namespace platform
