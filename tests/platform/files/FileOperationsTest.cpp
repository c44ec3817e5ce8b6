#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "platform/files/Files.h"
#include "tests/support/TempFolder.h"

namespace files = platform::files;
using murkwell::test::ReadText;
using murkwell::test::TempFolder;
using murkwell::test::WriteText;

namespace {

class FileOperationsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.Ok()); }
    TempFolder dir_;
    std::string error_;
};

TEST_F(FileOperationsTest, TellsFilesFromFolders) {
    WriteText(dir_ / "file", "x");
    EXPECT_TRUE(files::Exists(dir_ / "file"));
    EXPECT_TRUE(files::IsFile(dir_ / "file"));
    EXPECT_FALSE(files::IsFolder(dir_ / "file"));
    EXPECT_TRUE(files::Exists(dir_.Path()));
    EXPECT_TRUE(files::IsFolder(dir_.Path()));
    EXPECT_FALSE(files::IsFile(dir_.Path()));
    EXPECT_FALSE(files::Exists(dir_ / "missing"));
    EXPECT_FALSE(files::Exists(""));
}

TEST_F(FileOperationsTest, CreateFoldersMakesEveryMissingParent) {
    ASSERT_TRUE(files::CreateFolders(dir_ / "a/b/c", error_)) << error_;
    EXPECT_TRUE(files::IsFolder(dir_ / "a/b/c"));
    ASSERT_TRUE(files::CreateFolders(dir_ / "a/b/c", error_)) << "an existing folder is fine: " << error_;
    ASSERT_TRUE(files::CreateFolders(dir_ / "a/d/", error_)) << error_;
    EXPECT_TRUE(files::IsFolder(dir_ / "a/d"));
}

TEST_F(FileOperationsTest, CreateFoldersFailsOnAFileInTheWay) {
    WriteText(dir_ / "a", "file");
    EXPECT_FALSE(files::CreateFolders(dir_ / "a", error_));
    EXPECT_NE(error_.find(dir_ / "a"), std::string::npos) << error_;
    error_.clear();
    EXPECT_FALSE(files::CreateFolders(dir_ / "a/b", error_));
    EXPECT_NE(error_.find(dir_ / "a"), std::string::npos) << error_;
    EXPECT_EQ(ReadText(dir_ / "a"), "file");
}

TEST_F(FileOperationsTest, DeleteRemovesAFileAndAcceptsAMissingOne) {
    WriteText(dir_ / "f", "x");
    ASSERT_TRUE(files::Delete(dir_ / "f", error_)) << error_;
    EXPECT_FALSE(files::Exists(dir_ / "f"));
    EXPECT_TRUE(files::Delete(dir_ / "f", error_)) << error_;
    EXPECT_TRUE(files::Delete(dir_ / "no/such/folder/f", error_)) << error_;
}

TEST_F(FileOperationsTest, DeleteRefusesAFolder) {
    ASSERT_EQ(::mkdir((dir_ / "folder").c_str(), 0755), 0);
    EXPECT_FALSE(files::Delete(dir_ / "folder", error_));
    EXPECT_NE(error_.find(dir_ / "folder"), std::string::npos) << error_;
    EXPECT_TRUE(files::IsFolder(dir_ / "folder"));
}

TEST_F(FileOperationsTest, CopyGivesAnIdenticalFileAndReplacesTheTarget) {
    const std::string bytes("binary\0with\xFFnothing lost", 25);
    WriteText(dir_ / "from", bytes);
    WriteText(dir_ / "to", std::string(5000, 'o'));
    ASSERT_TRUE(files::Copy(dir_ / "from", dir_ / "to", error_)) << error_;
    EXPECT_EQ(ReadText(dir_ / "to"), bytes);
    EXPECT_EQ(ReadText(dir_ / "from"), bytes);
}

TEST_F(FileOperationsTest, CopyOfAMissingFileFailsAndLeavesTheTarget) {
    WriteText(dir_ / "to", "old");
    EXPECT_FALSE(files::Copy(dir_ / "missing", dir_ / "to", error_));
    EXPECT_NE(error_.find(dir_ / "missing"), std::string::npos) << error_;
    EXPECT_EQ(ReadText(dir_ / "to"), "old");
}

TEST_F(FileOperationsTest, RenameReplacesTheTarget) {
    WriteText(dir_ / "new", "new");
    WriteText(dir_ / "old", "old and longer");
    ASSERT_TRUE(files::Rename(dir_ / "new", dir_ / "old", error_)) << error_;
    EXPECT_FALSE(files::Exists(dir_ / "new"));
    EXPECT_EQ(ReadText(dir_ / "old"), "new");
}

TEST_F(FileOperationsTest, RenameMovesIntoAnotherFolder) {
    ASSERT_TRUE(files::CreateFolders(dir_ / "backup", error_)) << error_;
    WriteText(dir_ / "save.dat", "save");
    ASSERT_TRUE(files::Rename(dir_ / "save.dat", dir_ / "backup/save.dat", error_)) << error_;
    EXPECT_FALSE(files::Exists(dir_ / "save.dat"));
    EXPECT_EQ(ReadText(dir_ / "backup/save.dat"), "save");
}

TEST_F(FileOperationsTest, RenameOfAMissingFileFailsNamingBothPaths) {
    WriteText(dir_ / "to", "kept");
    EXPECT_FALSE(files::Rename(dir_ / "from", dir_ / "to", error_));
    EXPECT_NE(error_.find(dir_ / "from"), std::string::npos) << error_;
    EXPECT_NE(error_.find(dir_ / "to"), std::string::npos) << error_;
    EXPECT_EQ(ReadText(dir_ / "to"), "kept");
}

TEST_F(FileOperationsTest, ReadAllGivesEveryByte) {
    std::string bytes(200000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    WriteText(dir_ / "f", bytes);
    std::vector<uint8_t> out;
    ASSERT_TRUE(files::ReadAll(dir_ / "f", out, error_)) << error_;
    EXPECT_EQ(std::string(out.begin(), out.end()), bytes);

    WriteText(dir_ / "empty", "");
    ASSERT_TRUE(files::ReadAll(dir_ / "empty", out, error_)) << error_;
    EXPECT_TRUE(out.empty());
}

TEST_F(FileOperationsTest, ReadAllFailsOnAMissingFileOrAFolderNamingIt) {
    std::vector<uint8_t> out = {1, 2, 3};
    EXPECT_FALSE(files::ReadAll(dir_ / "missing", out, error_));
    EXPECT_NE(error_.find(dir_ / "missing"), std::string::npos) << error_;
    EXPECT_TRUE(out.empty());

    error_.clear();
    EXPECT_FALSE(files::ReadAll(dir_.Path(), out, error_));
    EXPECT_NE(error_.find(dir_.Path()), std::string::npos) << error_;
}

TEST_F(FileOperationsTest, AppendCreatesThenExtends) {
    ASSERT_TRUE(files::Append(dir_ / "log.txt", "one\n", error_)) << error_;
    ASSERT_TRUE(files::Append(dir_ / "log.txt", "two\n", error_)) << error_;
    EXPECT_EQ(ReadText(dir_ / "log.txt"), "one\ntwo\n");
    EXPECT_FALSE(files::Append(dir_ / "missing/log.txt", "x", error_));
    EXPECT_NE(error_.find(dir_ / "missing/log.txt"), std::string::npos) << error_;
}

TEST_F(FileOperationsTest, ListFolderSortsIgnoringCase) {
    for (const char* name : {"b.png", "A.png", "c", "B2.png", "a1.png"}) WriteText(dir_ / name, "");
    ASSERT_TRUE(files::CreateFolders(dir_ / "Sub", error_)) << error_;
    std::vector<std::string> names;
    ASSERT_TRUE(files::ListFolder(dir_.Path(), names, error_)) << error_;
    EXPECT_EQ(names, (std::vector<std::string>{"A.png", "a1.png", "b.png", "B2.png", "c", "Sub"}));
}

TEST_F(FileOperationsTest, ListFolderOrdersNamesDifferingOnlyInCaseTheSameEveryTime) {
    for (const char* name : {"save", "SAVE", "Save"}) WriteText(dir_ / name, "");
    std::vector<std::string> names;
    ASSERT_TRUE(files::ListFolder(dir_.Path(), names, error_)) << error_;
    EXPECT_EQ(names, (std::vector<std::string>{"SAVE", "Save", "save"}));
}

TEST_F(FileOperationsTest, ListFolderFailsOnAMissingFolderNamingIt) {
    std::vector<std::string> names = {"stale"};
    EXPECT_FALSE(files::ListFolder(dir_ / "missing", names, error_));
    EXPECT_NE(error_.find(dir_ / "missing"), std::string::npos) << error_;
    EXPECT_TRUE(names.empty());
}

}  // namespace
