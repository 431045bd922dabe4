#include "platform/shell_files.h"
#include "setup/file_primitives.h"
#include "tests/setup/setup_fixture.h"

#include <cstdlib>

using namespace setup;
using setup_test::ReadBytes;
using setup_test::WriteBytes;

namespace {

namespace fs = std::filesystem;

class FilePrimitives : public setup_test::MachineTest {};

TEST_F(FilePrimitives, FoldersAreFoundAndCreatedLevelByLevel) {
    EXPECT_TRUE(FolderExists("C:\\"));
    EXPECT_FALSE(FolderExists("C:\\A\\"));
    EXPECT_TRUE(ForceFolders("C:\\A\\B\\C"));
    EXPECT_TRUE(FolderExists("c:\\a\\b\\c\\"));
    EXPECT_TRUE(ForceFolders("C:\\A\\B\\C\\")); // nothing to create
    EXPECT_FALSE(ForceFolders("Q:\\A"));
    EXPECT_EQ(CreateOneFolder("C:\\A\\B"), platform::kErrorAlreadyExists);
    EXPECT_EQ(CreateOneFolder("C:\\X\\Y\\"), platform::kErrorPathNotFound);
    EXPECT_EQ(CreateOneFolder("C:\\X\\"), platform::kErrorSuccess);
    WriteBytes(Host("C:\\A\\file.txt"), "x");
    EXPECT_FALSE(FolderExists("C:\\A\\file.txt"));
    EXPECT_EQ(RemoveFolder("C:\\A\\B"), platform::kErrorDirNotEmpty);
    EXPECT_EQ(RemoveFolder("C:\\X\\"), platform::kErrorSuccess);
}

TEST_F(FilePrimitives, CopyOneFileReplacesAReadOnlyTargetAndLeavesItWritable) {
    WriteBytes(Host("C:\\src.txt"), "new");
    WriteBytes(Host("C:\\dst.txt"), "old");
    ASSERT_EQ(platform::SetFileReadOnly(Host("C:\\src.txt"), true), 0u);
    ASSERT_EQ(platform::SetFileReadOnly(Host("C:\\dst.txt"), true), 0u);
    EXPECT_EQ(CopyOneFile("C:\\src.txt", "C:\\dst.txt"), platform::kErrorSuccess);
    EXPECT_EQ(ReadBytes(Host("C:\\dst.txt")), "new");
    EXPECT_FALSE(platform::IsFileReadOnly(Host("C:\\dst.txt")).Value());
    EXPECT_EQ(CopyOneFile("C:\\absent.txt", "C:\\dst.txt"), platform::kErrorFileNotFound);
    EXPECT_EQ(CopyOneFile("C:\\src.txt", "C:\\No\\dst.txt"), platform::kErrorPathNotFound);
}

TEST_F(FilePrimitives, CopyOneFileReplacesALinkAndTheLeftoverOfAKilledCopy) {
    WriteBytes(Host("C:\\src.txt"), "new");
    WriteBytes(Root() / "elsewhere.txt", "not the installer's");
    fs::create_symlink(Root() / "elsewhere.txt", Host("C:\\dst.txt"));
    WriteBytes(Host("C:\\.dst.txt.setup-part"), "half a copy");
    EXPECT_EQ(CopyOneFile("C:\\src.txt", "C:\\dst.txt"), platform::kErrorSuccess);
    EXPECT_FALSE(fs::is_symlink(Host("C:\\dst.txt")));
    EXPECT_EQ(ReadBytes(Host("C:\\dst.txt")), "new");
    EXPECT_EQ(ReadBytes(Root() / "elsewhere.txt"), "not the installer's");
    EXPECT_FALSE(fs::exists(Host("C:\\.dst.txt.setup-part")));
}

TEST_F(FilePrimitives, ALinkIsDeletedAsALink) {
    WriteBytes(Root() / "elsewhere.dll", "not the installer's");
    fs::create_directories(Host("C:\\P"));
    fs::create_symlink(Root() / "elsewhere.dll", Host("C:\\P\\x.dll"));
    EXPECT_EQ(DeletePath("C:\\P\\x.dll"), platform::kErrorSuccess);
    EXPECT_FALSE(fs::is_symlink(Host("C:\\P\\x.dll")));
    EXPECT_EQ(ReadBytes(Root() / "elsewhere.dll"), "not the installer's");
}

TEST_F(FilePrimitives, DeletePathWithWildcardsAndMissingPaths) {
    WriteBytes(Host("C:\\P\\a.ini"), "a");
    WriteBytes(Host("C:\\P\\b.INI"), "b");
    WriteBytes(Host("C:\\P\\keep.txt"), "k");
    WriteBytes(Host("C:\\P\\sub\\deep.txt"), "d");
    EXPECT_EQ(DeletePath("C:\\P\\missing.txt"), platform::kErrorFileNotFound);
    EXPECT_EQ(DeletePath("C:\\P\\*.gid"), platform::kErrorSuccess);
    EXPECT_EQ(DeletePath("C:\\P\\*.ini"), platform::kErrorSuccess);
    EXPECT_FALSE(fs::exists(Host("C:\\P\\a.ini")));
    EXPECT_FALSE(fs::exists(Host("C:\\P\\b.INI")));
    EXPECT_EQ(DeletePath("C:\\P\\SUB"), platform::kErrorSuccess);
    EXPECT_FALSE(fs::exists(Host("C:\\P\\sub")));
    EXPECT_TRUE(fs::exists(Host("C:\\P\\keep.txt")));
}

TEST_F(FilePrimitives, AServerIsUnregisteredBeforeItIsDeleted) {
    setenv("LUMARO_TEST_SERVER_LOG", (Root() / "calls.log").c_str(), 1);
    fs::create_directories(Host("C:\\P"));
    fs::copy_file(TEST_SERVER_SUCCEEDING, Host("C:\\P") / "Grid.Ocx");
    fs::copy_file(TEST_SERVER_SUCCEEDING, Host("C:\\P") / "plain.bin");
    EXPECT_EQ(DeletePath("C:\\P\\Grid.Ocx"), platform::kErrorSuccess);
    EXPECT_EQ(DeletePath("C:\\P\\plain.bin"), platform::kErrorSuccess);
    unsetenv("LUMARO_TEST_SERVER_LOG");
    EXPECT_EQ(ReadBytes(Root() / "calls.log"), "DllUnregisterServer\n");
    EXPECT_FALSE(fs::exists(Host("C:\\P\\Grid.Ocx")));
}

TEST_F(FilePrimitives, DeleteFolderPatternsRemovesTheFolderOnlyWhenNothingElseIsLeft) {
    WriteBytes(Host("C:\\P\\a.INI"), "a");
    WriteBytes(Host("C:\\P\\help.gid"), "g");
    WriteBytes(Host("C:\\P\\user.dat"), "u");
    EXPECT_EQ(DeleteFolderPatterns("C:\\P", "*.INI|*.GID|"), platform::kErrorDirNotEmpty);
    EXPECT_FALSE(fs::exists(Host("C:\\P\\a.INI")));
    EXPECT_FALSE(fs::exists(Host("C:\\P\\help.gid")));
    EXPECT_TRUE(fs::exists(Host("C:\\P\\user.dat")));
    EXPECT_EQ(DeleteFolderPatterns("C:\\P\\", "*.*|"), platform::kErrorSuccess);
    EXPECT_FALSE(fs::exists(Host("C:\\P")));
}

} // namespace
