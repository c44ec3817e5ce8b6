#include "platform/os/GraphicsHardware.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace platform {
namespace {

namespace fs = std::filesystem;

// DRM drivers that make render nodes without a graphics processor behind them: Mesa draws in software
// there all the same.
constexpr std::string_view kSoftwareDrmDrivers[] = {"vgem", "vkms"};
// Software rasterisers a Mesa user can ask for by name.
constexpr std::string_view kSoftwareGalliumDrivers[] = {"llvmpipe", "softpipe", "swrast", "lavapipe"};

bool Truthy(const char* value) {
    if (!value || !*value) return false;
    const std::string_view v(value);
    return v != "0" && v != "false" && v != "no";
}

std::string DriverOf(const fs::path& sysClassDrm, const std::string& node) {
    std::error_code error;
    const fs::path driver = fs::read_symlink(sysClassDrm / node / "device" / "driver", error);
    return error ? "" : driver.filename().string();
}

}  // namespace

GraphicsHardware ReadGraphicsHardware(const std::string& root, const EnvironmentLookup& environment) {
    GraphicsHardware hardware;
    const fs::path base(root);
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(base / "dev" / "dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("renderD", 0) != 0) continue;
        hardware.renderNodeDrivers.push_back(DriverOf(base / "sys" / "class" / "drm", name));
    }
    std::sort(hardware.renderNodeDrivers.begin(), hardware.renderNodeDrivers.end());
    hardware.vendorDevice = fs::exists(base / "dev" / "nvidia0", error);
    const char* gallium = environment("GALLIUM_DRIVER");
    hardware.softwareGlForced =
        Truthy(environment("LIBGL_ALWAYS_SOFTWARE")) ||
        (gallium && std::find(std::begin(kSoftwareGalliumDrivers), std::end(kSoftwareGalliumDrivers),
                              std::string_view(gallium)) != std::end(kSoftwareGalliumDrivers));
    return hardware;
}

bool HasHardwareAcceleration(const GraphicsHardware& hardware) {
    if (hardware.softwareGlForced) return false;
    if (hardware.vendorDevice) return true;
    // A driver the system does not name is given the benefit of the doubt.
    return std::any_of(hardware.renderNodeDrivers.begin(), hardware.renderNodeDrivers.end(),
                       [](const std::string& driver) {
                           return std::find(std::begin(kSoftwareDrmDrivers), std::end(kSoftwareDrmDrivers),
                                            driver) == std::end(kSoftwareDrmDrivers);
                       });
}

bool SystemHasHardwareAcceleration() {
    return HasHardwareAcceleration(ReadGraphicsHardware("/", [](const char* name) { return std::getenv(name); }));
}

}  // namespace platform
