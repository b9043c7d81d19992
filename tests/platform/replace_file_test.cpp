// Replacing a file whole: the old file's permissions and owner are kept, a
// file the user made read-only is refused, a link is followed, and a full
// disk is reported with the old file left whole. Permission checks are made
// as an ordinary user: when the tests run as root, the checks that need it
// run with the effective user and group of "nobody" (root would pass every
// permission check).
#include "platform/replace_file.h"
#include "platform/text_files.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <pwd.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessaro {
namespace {

using platform::test::PrintTo;

const char kOld[] = "old contents\r\n";
const char kNew[] = "new contents, longer than the old\r\n";

// The ids of "nobody", whom root becomes for the permission checks.
uid_t NobodyUid()
{
    const passwd* entry = ::getpwnam("nobody");
    return entry ? entry->pw_uid : 65534;
}
gid_t NobodyGid()
{
    const passwd* entry = ::getpwnam("nobody");
    return entry ? entry->pw_gid : 65534;
}

// While it lives, the process's effective ids are those of an ordinary
// user: itself when it is not root, otherwise "nobody" without root's
// supplementary groups. `ok` is false when root could not become nobody.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::geteuid() != 0)
            return;
        groups_.resize(std::size_t(std::max(0, ::getgroups(0, nullptr))));
        if (::getgroups(int(groups_.size()), groups_.data()) < 0 || ::setgroups(0, nullptr) != 0 ||
            ::setegid(NobodyGid()) != 0 || ::seteuid(NobodyUid()) != 0) {
            ok = false;
            restore();
            return;
        }
        switched_ = true;
    }
    ~AsOrdinaryUser()
    {
        if (switched_)
            restore();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    bool ok = true;

private:
    void restore()
    {
        (void)::seteuid(0);
        (void)::setegid(0);
        (void)::setgroups(groups_.size(), groups_.data());
    }
    std::vector<gid_t> groups_;
    bool switched_ = false;
};

class ReplaceFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/replace-file-test-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
        // The ordinary user may work in the folder.
        ASSERT_EQ(::chmod(dir_.c_str(), 0777), 0);
        old_umask_ = ::umask(022);
    }
    void TearDown() override
    {
        ::umask(old_umask_);
        if (::geteuid() == 0 && !mounted_.empty())
            ::umount(mounted_.c_str());
        std::system(("chmod -R u+rwx '" + dir_ + "' 2>/dev/null; rm -rf '" + dir_ + "'").c_str());
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    void write(const std::string& name, const std::string& bytes, mode_t mode) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        ASSERT_EQ(::chmod(path(name).c_str(), mode), 0);
    }
    std::string read(const std::string& name) const
    {
        std::ifstream file(path(name), std::ios::binary);
        return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(missing)";
    }
    struct stat info(const std::string& name) const
    {
        struct stat st {};
        EXPECT_EQ(::lstat(path(name).c_str(), &st), 0) << name;
        return st;
    }
    // The names in the folder, so that no temporary file is left behind.
    std::vector<std::string> files(const std::string& folder = {}) const
    {
        std::vector<std::string> names;
        const std::string listing = folder.empty() ? dir_ : path(folder);
        FILE* ls = ::popen(("ls -A '" + listing + "'").c_str(), "r");
        char line[512];
        while (ls && std::fgets(line, sizeof line, ls))
            names.emplace_back(line, std::strcspn(line, "\n"));
        if (ls)
            ::pclose(ls);
        return names;
    }

    std::string dir_;
    std::string mounted_;
    mode_t old_umask_ = 0;
};

struct ModeCase {
    const char* name;
    bool exists;
    mode_t mode;      // of the old file
    mode_t expected;  // of the new one
};

class ReplaceFileModeTest : public ReplaceFileTest, public testing::WithParamInterface<ModeCase> {};

// Both writers (plain and Qt) keep the mode of the file they replace.
TEST_P(ReplaceFileModeTest, KeepsTheOldFilesPermissions)
{
    const ModeCase& c = GetParam();
    AsOrdinaryUser user;
    if (!user.ok)
        GTEST_SKIP() << "root could not take the ids of nobody: permissions are not checked";
    if (c.exists) {
        write("plain.cls", kOld, c.mode);
        write("qt.cll", kOld, c.mode);
    }
    EXPECT_TRUE(ReplaceFileBytes(path("plain.cls"), kNew));
    EXPECT_TRUE(platform::WriteFileBytes(QString::fromStdString(path("qt.cll")), QByteArray(kNew)));
    for (const char* name : {"plain.cls", "qt.cll"}) {
        EXPECT_EQ(read(name), kNew) << name;
        EXPECT_EQ(info(name).st_mode & 07777, c.expected) << name;
        EXPECT_EQ(info(name).st_uid, ::geteuid()) << name;
    }
    EXPECT_EQ(files().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceFileModeTest, testing::Values(
    ModeCase{"NewFileAsTheUmaskLeavesIt", false, 0, 0644},
    ModeCase{"PrivateFile", true, 0600, 0600},
    ModeCase{"GroupWritable", true, 0664, 0664},
    ModeCase{"Executable", true, 0750, 0750},
    ModeCase{"ReadableByAll", true, 0644, 0644}),
    platform::test::kCaseName);

struct RefusedCase {
    const char* name;
    mode_t mode;        // of the old file, made by root when the test runs as root
    bool ownedByUser;   // the old file belongs to the ordinary user
    mode_t folderMode;  // of the folder it is in
    int error;
};

class ReplaceFileRefusedTest : public ReplaceFileTest, public testing::WithParamInterface<RefusedCase> {};

// A file the user may not write to stays as it is, although the folder
// would let it be renamed over, and the message says why.
TEST_P(ReplaceFileRefusedTest, LeavesTheFileAndSaysWhy)
{
    const RefusedCase& c = GetParam();
    ASSERT_EQ(::mkdir(path("folder").c_str(), 0777), 0);
    write("folder/scheme.shm", kOld, c.mode);
    if (::geteuid() == 0 && c.ownedByUser) {
        ASSERT_EQ(::chown(path("folder/scheme.shm").c_str(), NobodyUid(), NobodyGid()), 0);
    }
    if (::geteuid() != 0 && !c.ownedByUser)
        GTEST_SKIP() << "a file of another user needs the test to run as root";
    ASSERT_EQ(::chmod(path("folder").c_str(), c.folderMode), 0);
    {
        AsOrdinaryUser user;
        if (!user.ok)
            GTEST_SKIP() << "root could not take the ids of nobody: permissions are not checked";
        int error = 0;
        EXPECT_FALSE(ReplaceFileBytes(path("folder/scheme.shm"), kNew, &error));
        EXPECT_EQ(error, c.error);
        error = 0;
        EXPECT_FALSE(platform::WriteFileBytes(QString::fromStdString(path("folder/scheme.shm")), kNew, &error));
        EXPECT_EQ(error, c.error);
    }
    ASSERT_EQ(::chmod(path("folder").c_str(), 0777), 0);
    EXPECT_EQ(info("folder/scheme.shm").st_mode & 07777, c.mode);
    ASSERT_EQ(::chmod(path("folder/scheme.shm").c_str(), c.mode | 0400), 0);  // to read it back
    EXPECT_EQ(read("folder/scheme.shm"), kOld);
    EXPECT_EQ(files("folder"), std::vector<std::string>{"scheme.shm"});
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceFileRefusedTest, testing::Values(
    RefusedCase{"MadeReadOnly", 0444, true, 0777, kReadOnlyFileError},
    RefusedCase{"NoPermissionsAtAll", 0000, true, 0777, kReadOnlyFileError},
    RefusedCase{"AnotherUsersFileInASharedFolder", 0644, false, 0777, kReadOnlyFileError},
    RefusedCase{"WritableFileInAReadOnlyFolder", 0644, true, 0555, EACCES}),
    platform::test::kCaseName);

TEST(ReplaceErrorText, NamesTheReason)
{
    EXPECT_EQ(ReplaceErrorText(kReadOnlyFileError), "The file is read-only");
    EXPECT_EQ(ReplaceErrorText(ENOSPC), std::strerror(ENOSPC));
    EXPECT_EQ(platform::WriteErrorText(kReadOnlyFileError), QStringLiteral("The file is read-only"));
}

// Root may give the new file the old one's owner and group.
TEST_F(ReplaceFileTest, KeepsTheOwnerWhenAllowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may give a file to another user";
    write("layout.sts", kOld, 0640);
    ASSERT_EQ(::chown(path("layout.sts").c_str(), NobodyUid(), NobodyGid()), 0);
    EXPECT_TRUE(ReplaceFileBytes(path("layout.sts"), kNew));
    EXPECT_EQ(info("layout.sts").st_uid, NobodyUid());
    EXPECT_EQ(info("layout.sts").st_gid, NobodyGid());
    EXPECT_EQ(info("layout.sts").st_mode & 07777, 0640u);
}

// A link stays a link: the file it points at (relative to the link's
// folder, and also one that does not exist yet) takes the new bytes.
TEST_F(ReplaceFileTest, FollowsSymbolicLinks)
{
    ASSERT_EQ(::mkdir(path("lists").c_str(), 0755), 0);
    write("lists/real.cll", kOld, 0600);
    ASSERT_EQ(::symlink("lists/real.cll", path("link.cll").c_str()), 0);
    ASSERT_EQ(::symlink("lists/later.cll", path("dangling.cll").c_str()), 0);
    EXPECT_TRUE(ReplaceFileBytes(path("link.cll"), kNew));
    EXPECT_TRUE(platform::WriteFileBytes(QString::fromStdString(path("dangling.cll")), QByteArray(kNew)));
    EXPECT_TRUE(S_ISLNK(info("link.cll").st_mode));
    EXPECT_TRUE(S_ISLNK(info("dangling.cll").st_mode));
    EXPECT_EQ(read("lists/real.cll"), kNew);
    EXPECT_EQ(info("lists/real.cll").st_mode & 07777, 0600u);
    EXPECT_EQ(read("lists/later.cll"), kNew);
}

// A device in the path's place is written to, never replaced.
TEST_F(ReplaceFileTest, WritesIntoADevice)
{
    ASSERT_EQ(::symlink("/dev/null", path("out.txt").c_str()), 0);
    EXPECT_TRUE(ReplaceFileBytes(path("out.txt"), kNew));
    EXPECT_TRUE(S_ISLNK(info("out.txt").st_mode));
    struct stat null {};
    ASSERT_EQ(::stat("/dev/null", &null), 0);
    EXPECT_TRUE(S_ISCHR(null.st_mode));
    int error = 0;
    EXPECT_FALSE(ReplaceFileBytes("/dev/full", kNew, &error));
    EXPECT_EQ(error, ENOSPC);
}

// A file system that is really full: the failure and its reason are
// reported, the old file keeps every byte and no temporary file stays.
TEST_F(ReplaceFileTest, FullDiskKeepsTheOldFile)
{
    ASSERT_EQ(::mkdir(path("disk").c_str(), 0777), 0);
    if (::mount("tmpfs", path("disk").c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root: the full disk is checked through a file size limit "
                        "in text_files_test";
    mounted_ = path("disk");
    write("disk/colors.cll", kOld, 0644);
    {
        std::ofstream filler(path("disk/filler"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler << block && filler.flush())
            ;
    }
    const std::string big(8192, 'y');
    int error = 0;
    EXPECT_FALSE(ReplaceFileBytes(path("disk/colors.cll"), big, &error));
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(ReplaceErrorText(error), std::strerror(ENOSPC));
    error = 0;
    EXPECT_FALSE(platform::WriteFileBytes(QString::fromStdString(path("disk/colors.cll")), QByteArray(8192, 'y'), &error));
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(read("disk/colors.cll"), kOld);
    EXPECT_EQ(files("disk"), (std::vector<std::string>{"colors.cll", "filler"}));
}

} // namespace
} // namespace tessaro
