// Saving through a temporary file: the old file survives every failure.

#include "files/safe_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace murva {
namespace {

struct SafeFileTest : ::testing::Test {
    test::TempDir temp;
    const std::string folder = temp.Folder();
    std::string Path(const std::string& name) const { return temp.Path(name); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Entries of the folder, hidden temporary files included.
    int FilesInFolder() const {
        int n = 0;
        if (DIR* dir = opendir(folder.c_str())) {
            while (dirent* entry = readdir(dir)) {
                const std::string name = entry->d_name;
                n += name != "." && name != "..";
            }
            closedir(dir);
        }
        return n;
    }
};

TEST_F(SafeFileTest, ANewFileIsWrittenWholeWithNoBackup) {
    ASSERT_TRUE(WriteFileAtomically(Path("a.mrv"), "hello\r\n", Path("a.bak")));
    EXPECT_EQ(Read(Path("a.mrv")), "hello\r\n");
    EXPECT_EQ(access(Path("a.bak").c_str(), F_OK), -1);
    struct stat info {};
    stat(Path("a.mrv").c_str(), &info);
    EXPECT_TRUE(info.st_mode & S_IRGRP); // the usual permissions, not a temporary file's
}

TEST_F(SafeFileTest, TheOldFileBecomesTheBackupAndAnExistingBackupIsKept) {
    WriteFileAtomically(Path("a.mrv"), "one", "");
    ASSERT_TRUE(WriteFileAtomically(Path("a.mrv"), "two", Path("a.bak")));
    EXPECT_EQ(Read(Path("a.bak")), "one");
    ASSERT_TRUE(WriteFileAtomically(Path("a.mrv"), "three", Path("a.bak")));
    EXPECT_EQ(Read(Path("a.bak")), "one");
    EXPECT_EQ(Read(Path("a.mrv")), "three");
}

TEST_F(SafeFileTest, TheSavedNameHoldsTheOldFileUntilTheNewOneTakesIt) {
    WriteFileAtomically(Path("a.mrv"), "old", "");
    bool checked = false;
    ASSERT_TRUE(WriteFileAtomically(Path("a.mrv"), "new", Path("a.bak"), [&] {
        EXPECT_EQ(Read(Path("a.mrv")), "old");
        EXPECT_EQ(Read(Path("a.bak")), "old");
        checked = true;
    }));
    EXPECT_TRUE(checked);
    EXPECT_EQ(Read(Path("a.mrv")), "new");
    EXPECT_EQ(Read(Path("a.bak")), "old");
}

TEST_F(SafeFileTest, TemporaryFilesOfACrashedSaveToTheSameNameGoWithTheNextSave) {
    for (const char* name : {".a.mrv.Xy12Zq", ".a.mrv.long-name", ".b.mrv.Xy12Zq", ".a.mrv.bak"})
        std::ofstream(Path(name)) << "left";
    mkdir(Path(".a.mrv.dir123").c_str(), 0755);
    ASSERT_TRUE(WriteFileAtomically(Path("a.mrv"), "new", ""));
    EXPECT_EQ(access(Path(".a.mrv.Xy12Zq").c_str(), F_OK), -1);
    for (const char* kept : {".a.mrv.long-name", ".b.mrv.Xy12Zq", ".a.mrv.bak", ".a.mrv.dir123"})
        EXPECT_EQ(access(Path(kept).c_str(), F_OK), 0) << kept;
}

TEST_F(SafeFileTest, AMissingFolderOrAFolderAtThePathFailsAndChangesNothing) {
    EXPECT_FALSE(WriteFileAtomically(Path("no/such/a.mrv"), "x", ""));
    mkdir(Path("dir.mrv").c_str(), 0755);
    EXPECT_FALSE(WriteFileAtomically(Path("dir.mrv"), "x", Path("dir.bak")));
    struct stat info {};
    ASSERT_EQ(stat(Path("dir.mrv").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(access(Path("dir.bak").c_str(), F_OK), -1);
}

TEST_F(SafeFileTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
    WriteFileAtomically(Path("a.mrv"), "old", "");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written =
        WriteFileAtomically(Path("a.mrv"), std::string(100000, 'x'), Path("a.bak"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Read(Path("a.mrv")), "old");
    EXPECT_EQ(access(Path("a.bak").c_str(), F_OK), -1);
    EXPECT_EQ(FilesInFolder(), 1);
}

// Here a '\' is an ordinary character of a file name, not a folder separator.
TEST_F(SafeFileTest, ABackslashInTheFileNameIsPartOfTheName) {
    const std::string path = Path("old\\a.mrv");
    ASSERT_TRUE(WriteFileAtomically(path, "one", Path("old\\a.bak")));
    ASSERT_TRUE(WriteFileAtomically(path, "two", Path("old\\a.bak")));
    EXPECT_EQ(Read(path), "two");
    EXPECT_EQ(Read(Path("old\\a.bak")), "one");
    EXPECT_EQ(FilesInFolder(), 2);
}

TEST_F(SafeFileTest, ANameOfUpTo255BytesIsSavedAndSavedOver) {
    const std::string path = Path(std::string(251, 'a') + ".mrv");
    ASSERT_TRUE(WriteFileAtomically(path, "one", {}));
    ASSERT_TRUE(WriteFileAtomically(path, "two", {}));
    EXPECT_EQ(Read(path), "two");
    EXPECT_EQ(FilesInFolder(), 1) << "no temporary file left";
}

} // namespace
} // namespace murva
