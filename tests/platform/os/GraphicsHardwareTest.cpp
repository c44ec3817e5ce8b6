#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/os/GraphicsHardware.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(GraphicsHardwareTest, HardwareAccelerationNeedsARealGpuAndNoSoftwareRequest) {
    struct Case {
        const char* what;
        GraphicsHardware hardware;
        bool expected;
    };
    const Case cases[] = {
        {"no devices at all (a container, a virtual machine without 3D)", {}, false},
        {"an Intel graphics processor", {{"i915"}, false, false}, true},
        {"only a virtual GEM device", {{"vgem"}, false, false}, false},
        {"a virtual display beside a real GPU", {{"amdgpu", "vkms"}, false, false}, true},
        {"a render node whose driver the system does not name", {{""}, false, false}, true},
        {"a vendor's device file without render nodes", {{}, true, false}, true},
        {"a GPU, but software OpenGL asked for", {{"i915"}, true, true}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(HasHardwareAcceleration(c.hardware), c.expected) << c.what;
}

class GraphicsHardwareTreeTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(testing::TempDir()) / ("graphics-hardware-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "dev" / "dri");
    }
    void TearDown() override { fs::remove_all(root_); }

    // A device file under dev/dri and, when a driver is named, its sysfs entry pointing at the driver
    // as the kernel lays them out.
    void AddNode(const std::string& node, const std::string& driver) {
        std::ofstream(root_ / "dev" / "dri" / node).put('\n');
        if (driver.empty()) return;
        const fs::path device = root_ / "sys" / "class" / "drm" / node / "device";
        fs::create_directories(device);
        fs::create_directory_symlink(root_ / "bus" / "pci" / "drivers" / driver, device / "driver");
    }

    GraphicsHardware Read(const std::map<std::string, std::string>& environment = {}) {
        return ReadGraphicsHardware(root_.string(), [&environment](const char* name) -> const char* {
            const auto it = environment.find(name);
            return it == environment.end() ? nullptr : it->second.c_str();
        });
    }

    fs::path root_;
};

TEST_F(GraphicsHardwareTreeTest, ReadsRenderNodesAndTheirDrivers) {
    EXPECT_FALSE(HasHardwareAcceleration(Read()));
    // The primary node (card0) says nothing: Mesa draws through render nodes.
    AddNode("card0", "simpledrm");
    EXPECT_FALSE(HasHardwareAcceleration(Read()));
    AddNode("renderD129", "vgem");
    EXPECT_FALSE(HasHardwareAcceleration(Read()));
    AddNode("renderD128", "amdgpu");
    const GraphicsHardware hardware = Read();
    EXPECT_EQ(hardware.renderNodeDrivers, (std::vector<std::string>{"amdgpu", "vgem"}));
    EXPECT_FALSE(hardware.vendorDevice);
    EXPECT_TRUE(HasHardwareAcceleration(hardware));
}

TEST_F(GraphicsHardwareTreeTest, ReadsVendorDevicesAndSoftwareRequests) {
    std::ofstream(root_ / "dev" / "nvidia0").put('\n');
    EXPECT_TRUE(Read().vendorDevice);
    EXPECT_TRUE(HasHardwareAcceleration(Read({{"LIBGL_ALWAYS_SOFTWARE", "0"}, {"GALLIUM_DRIVER", "radeonsi"}})));
    EXPECT_FALSE(HasHardwareAcceleration(Read({{"LIBGL_ALWAYS_SOFTWARE", "1"}})));
    EXPECT_FALSE(HasHardwareAcceleration(Read({{"GALLIUM_DRIVER", "llvmpipe"}})));
}

}  // namespace
}  // namespace platform
