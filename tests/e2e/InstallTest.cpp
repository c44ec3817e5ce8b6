// The game installed as a packager installs it (into a staging folder through DESTDIR), then run from
// there: it must find its data from any working folder, and the desktop's files must be what desktops
// and software centres read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/PixelMap.h"
#include "platform/codecs/ImageCodec.h"
#include "platform/files/Files.h"
#include "tests/support/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace {

namespace files = platform::files;

const std::string kAppId = "org.tarnfield.Murkwell";

std::string Read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The first of the folders on PATH that holds the program, or "".
std::string FindTool(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

class InstallTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        temp_ = new murkwell::test::TempFolder;
        root_ = temp_->Path() + "/stage";
        std::string output;
        installed_ = murkwell::test::RunProgram({FindTool("cmake"), "--install", MURKWELL_BINARY_DIR, "--prefix",
                                                 "/usr"},
                                                output, 120, {"DESTDIR=" + root_}) == 0;
        installOutput_ = new std::string(output);
    }
    static void TearDownTestSuite() {
        delete temp_;
        delete installOutput_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << *installOutput_; }

    static std::string Usr(const std::string& path) { return root_ + "/usr/" + path; }

    static murkwell::test::TempFolder* temp_;
    static std::string root_;
    static bool installed_;
    static std::string* installOutput_;
};

murkwell::test::TempFolder* InstallTest::temp_ = nullptr;
std::string InstallTest::root_;
bool InstallTest::installed_ = false;
std::string* InstallTest::installOutput_ = nullptr;

TEST_F(InstallTest, EverythingLandsWhereTheDesktopLooks) {
    EXPECT_EQ(::access(Usr("bin/murkwell").c_str(), X_OK), 0);
    for (const char* data : {"icon.png", "Default.ini", "levels/1.txt", "text/", "graphics/", "sound/", "music/"}) {
        const std::string path = Usr("share/murkwell/data/") + data;
        EXPECT_TRUE(std::string(data).ends_with('/') ? files::IsFolder(path) : files::IsFile(path)) << path;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const std::string side = std::to_string(size);
        const std::string path = Usr("share/icons/hicolor/" + side + "x" + side + "/apps/murkwell.png");
        std::vector<uint8_t> bytes;
        std::string error;
        platform::PixelMap icon;
        ASSERT_TRUE(files::ReadAll(path, bytes, error) && platform::DecodePng(bytes, icon, error)) << path << error;
        EXPECT_EQ(icon.Width(), size) << path;
        EXPECT_EQ(icon.Height(), size) << path;
        // Drawn, not blank: the corners are clear and the middle is the lit pumpkin.
        EXPECT_EQ(icon.At(0, 0).a, 0) << path;
        EXPECT_EQ(icon.At(size / 2, size * 2 / 3).a, 255) << path;
    }
    const std::string desktop = Read(Usr("share/applications/" + kAppId + ".desktop"));
    EXPECT_NE(desktop.find("\nExec=murkwell\n"), std::string::npos) << desktop;
    EXPECT_NE(desktop.find("\nIcon=murkwell\n"), std::string::npos) << desktop;
    const std::string metainfo = Read(Usr("share/metainfo/" + kAppId + ".metainfo.xml"));
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_EQ(std::regex_search(metainfo, std::regex("<screenshot[^s]*>\\s*<caption>[^<]+</caption>")), true);
}

// The man page documents every option the program lists in its help.
TEST_F(InstallTest, TheManPageCoversEveryOption) {
    std::string help;
    ASSERT_EQ(murkwell::test::RunProgram({Usr("bin/murkwell"), "--help"}, help), 0) << help;
    const std::string man = Read(Usr("share/man/man6/murkwell.6"));
    ASSERT_FALSE(man.empty());
    std::string unescaped;
    for (size_t i = 0; i < man.size(); ++i) {
        if (man.compare(i, 2, "\\-") == 0) continue;  // troff writes a hyphen as "\-"
        unescaped += man[i];
    }
    const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    EXPECT_GE(options.size(), 15u) << help;
    for (const std::string& name : options) EXPECT_NE(unescaped.find(name), std::string::npos) << name;
}

// Started from an unrelated folder, the installed program finds its data through its own location, and a
// level plays headless.
TEST_F(InstallTest, TheInstalledProgramRunsFromAnyFolder) {
    const std::string elsewhere = temp_->Path() + "/elsewhere";
    std::string error;
    ASSERT_TRUE(files::CreateFolders(elsewhere, error)) << error;
    ASSERT_EQ(::chdir(elsewhere.c_str()), 0);
    std::string output;
    ASSERT_EQ(murkwell::test::RunProgram({Usr("bin/murkwell"), "--version"}, output), 0) << output;
    EXPECT_EQ(output, "Murkwell " MURKWELL_VERSION "\n");

    std::ofstream("script.txt") << "16000 quit\n";
    const int code = murkwell::test::RunProgram(
        {Usr("bin/murkwell"), "--headless", "--deterministic", "--seed", "3", "--level", "1", "--autoplay",
         "--script", "script.txt", "--report", "report.jsonl"},
        output, 120, {"XDG_DATA_HOME=" + temp_->Path() + "/home"});
    EXPECT_EQ(code, 0) << output;
    const std::string report = Read(elsewhere + "/report.jsonl");
    EXPECT_NE(report.find("\"event\":\"level_start\",\"level\":1"), std::string::npos) << report;
}

// The validators of desktop entries and AppStream data, when the machine has them (scripts/install-deps
// installs both).
TEST_F(InstallTest, DesktopEntryAndMetainfoPassTheirValidators) {
    const std::string desktopValidator = FindTool("desktop-file-validate");
    const std::string appstream = FindTool("appstreamcli");
    if (desktopValidator.empty() && appstream.empty()) GTEST_SKIP() << "neither validator is installed";
    std::string output;
    if (!desktopValidator.empty()) {
        EXPECT_EQ(murkwell::test::RunProgram({desktopValidator, Usr("share/applications/" + kAppId + ".desktop")},
                                             output),
                  0)
            << output;
        EXPECT_EQ(output, "");
    }
    if (!appstream.empty()) {
        EXPECT_EQ(murkwell::test::RunProgram(
                      {appstream, "validate", "--no-net", Usr("share/metainfo/" + kAppId + ".metainfo.xml")},
                      output),
                  0)
            << output;
    }
}

}  // namespace
