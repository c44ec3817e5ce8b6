// assetgen: makes the generated files of the game's data folder and checks that nothing the game loads
// is missing. The build runs one group per command so that a change reruns only the group it touches.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/assetgen/DataFolder.h"
#include "tools/assetgen/Group.h"
#include "tools/assetgen/Icon.h"
#include "tools/assetgen/TextCheck.h"
#include "tools/assetgen/preview/Preview.h"

namespace {

using assetgen::Group;

int Usage() {
    std::fputs(
        "usage: assetgen --list\n"
        "       assetgen --group NAME --out DATA_DIR\n"
        "       assetgen --check DATA_DIR [TEXT_KEY_LIST...]\n"
        "       assetgen --preview DATA_DIR OUT_DIR\n"
        "       assetgen --icons OUT_DIR NAME\n",
        stderr);
    return 2;
}

int List() {
    for (const Group& group : assetgen::Groups()) std::printf("%s\n", group.name.c_str());
    return 0;
}

int Make(const std::string& name, const std::string& root) {
    const Group* group = assetgen::FindGroup(name);
    if (!group) {
        std::fprintf(stderr, "assetgen: there is no group named '%s' (see assetgen --list)\n", name.c_str());
        return 1;
    }
    assetgen::DataFolder folder(root);
    try {
        group->make(folder);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: group '%s' failed: %s\n", name.c_str(), e.what());
        return 1;
    }
    for (const std::string& path : folder.Updated()) std::printf("assetgen: updated %s\n", path.c_str());
    return 0;
}

int CheckText(const std::string& root, const std::vector<std::string>& keyLists) {
    const std::vector<std::string> problems = assetgen::CheckGameText(root, keyLists);
    if (problems.empty()) return 0;
    std::fprintf(stderr, "assetgen: the game text table of %s has %zu problem(s):\n", root.c_str(),
                 problems.size());
    for (const std::string& problem : problems) std::fprintf(stderr, "  %s\n", problem.c_str());
    return 1;
}

int Check(const std::string& root, const std::vector<std::string>& keyLists) {
    std::vector<std::string> lines;
    for (const Group& group : assetgen::Groups()) {
        for (const std::string& path : assetgen::MissingPaths(root, group.required)) {
            lines.push_back("  " + path + "  (made by group '" + group.name + "')");
        }
    }
    const int text = CheckText(root, keyLists);
    if (lines.empty()) return text;
    std::fprintf(stderr, "assetgen: the data folder %s lacks %zu file(s) the game needs:\n", root.c_str(),
                 lines.size());
    for (const std::string& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
    // A file deleted by hand is not noticed by the build's stamps; touching the group's source makes it
    // run again.
    std::fputs("Touch the group's source under tools/assetgen/groups/ and build again.\n", stderr);
    return 1;
}

int Preview(const std::string& root, const std::string& out) {
    try {
        assetgen::preview::MakeContactSheets(root, out);
        assetgen::preview::MakeBoardMockup(root, out);
        assetgen::preview::MakeSceneMockups(root, out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: cannot make the previews: %s\n", e.what());
        return 1;
    }
    return 0;
}

// The desktop's icons, outside the data folder: the game never loads them.
int Icons(const std::string& root, const std::string& name) {
    try {
        assetgen::WriteDesktopIcons(root, name);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: cannot write the desktop icons: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--list") return List();
    if (args.size() >= 2 && args[0] == "--check" && !args[1].empty()) {
        return Check(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    }
    if (args.size() == 4 && args[0] == "--group" && args[2] == "--out" && !args[3].empty()) {
        return Make(args[1], args[3]);
    }
    if (args.size() == 3 && args[0] == "--preview" && !args[1].empty() && !args[2].empty()) {
        return Preview(args[1], args[2]);
    }
    if (args.size() == 3 && args[0] == "--icons" && !args[1].empty() && !args[2].empty()) {
        return Icons(args[1], args[2]);
    }
    return Usage();
}
