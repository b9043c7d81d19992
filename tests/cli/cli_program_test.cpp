// The built tessaro-cli program: exit codes, standard error and the
// locale's decimal separator.
#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tessaro::cli {
namespace {

using test::DataPath;
using test::ReadFile;

struct ProgramResult {
    int code = -1;
    std::string out;
    std::string err;
};

// A temporary file removed when the holder goes.
class TempFile {
public:
    explicit TempFile(const std::string& content = "")
    {
        char name[] = "/tmp/tessaro-cli-test-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        path_ = name;
        std::size_t written = 0;
        while (written < content.size()) {
            const ssize_t n = write(fd, content.data() + written, content.size() - written);
            if (n <= 0)
                break;
            written += std::size_t(n);
        }
        close(fd);
    }
    ~TempFile() { unlink(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Runs the program with `input` on standard input. The locale variables of
// the test's environment are replaced by LC_ALL=`locale`.
ProgramResult RunProgram(const std::vector<std::string>& args, const std::string& input = "",
                         const std::string& locale = "C.UTF-8")
{
    TempFile in(input), out, err;

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("LC_", 0) != 0 && entry.rfind("LANG=", 0) != 0 && entry.rfind("LANGUAGE=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("LC_ALL=" + locale);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::vector<std::string> argStore = {TESSARO_CLI_PATH};
    argStore.insert(argStore.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_TRUNC, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, TESSARO_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);

    ProgramResult result;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << TESSARO_CLI_PATH << ": " << std::strerror(spawned);
        return result;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.code = WEXITSTATUS(status);
    else
        ADD_FAILURE() << "tessaro-cli did not exit normally (status " << status << ")";
    result.out = ReadFile(out.path());
    result.err = ReadFile(err.path());
    return result;
}

struct ProgramCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int code;
    std::string out;
    std::string errStart;  // standard error starts with this
};

void PrintTo(const ProgramCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliProgramTest : public testing::TestWithParam<ProgramCase> {};

TEST_P(CliProgramTest, ExitsWithItsStatus)
{
    const ProgramCase& c = GetParam();
    const ProgramResult r = RunProgram(c.args, c.input);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart);
    if (c.errStart.empty()) {
        EXPECT_EQ(r.err, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CliProgramTest, testing::Values(
    ProgramCase{"Version", {"--version"}, "", 0, "tessaro-cli 1.5.3\n", ""},
    ProgramCase{"Adjust", {"adjust", "#C86432", "lighten"}, "", 0, "#D88B64\n", ""},
    ProgramCase{"ScanStandardInput", {"scan"}, "color: #112233; background: #445566\r\n", 0, "#112233\n#445566\n", ""},
    ProgramCase{"ImportStandardInput", {"import"}, "#ff0000 #FF0000 #00ff00", 0, "#ff0000\n#00ff00\n", ""},
    ProgramCase{"ConversionError", {"named", "12x"}, "", 1, "", "'12x' is not a valid integer value\n"},
    ProgramCase{"ConversionErrorInHsl", {"hsl", "1", "$", "1"}, "", 1, "", "'$' is not a valid integer value\n"},
    ProgramCase{"NoCommand", {}, "", 2, "", "tessaro-cli: "},
    ProgramCase{"UnknownCommand", {"paint"}, "", 2, "", "tessaro-cli: "},
    ProgramCase{"WrongArgumentCount", {"rgb", "1", "2"}, "", 2, "", "tessaro-cli: "},
    ProgramCase{"NoColorsFound", {"import"}, "p { color: red; }", 3, "", "No colors found!\n"},
    ProgramCase{"HashesButNoColour", {"import"}, "a { color: #fff; }", 3, "", "No colors found!\n"},
    ProgramCase{"NothingToImport", {"import"}, "", 3, "", "No colors found!\n"},
    ProgramCase{"MissingFile", {"scan", "/nonexistent/tessaro/colours.txt"}, "", 4, "", "tessaro-cli: "},
    // Run by tessaro-cli-full in its place.
    ProgramCase{"CommandBeyondTheEngine", {"contrast", "000000", "FFFFFF"}, "", 0,
                "ratio 21.00:1\nnormal AA pass AAA pass\nlarge AA pass AAA pass\nAPCA Lc 106.0\n", ""},
    ProgramCase{"UsageErrorBeyondTheEngine", {"contrast", "000000"}, "", 2, "", "tessaro-cli: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliProgramTest, CommandBeyondTheEngineReadsStandardInput)
{
    // tessaro-cli hands the command and its standard input on untouched.
    const ProgramResult r = RunProgram({"weblayout", "-"}, "header.color=clRed\r\n");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("header.color=clRed\r\nfooter.color=clWhite\r\n")) << r.out;
}

TEST(CliProgramTest, UsageErrorsShowTheUsage)
{
    const ProgramResult r = RunProgram({"derive"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Usage: tessaro-cli"), std::string::npos) << r.err;
}

TEST(CliProgramTest, ReadsAFileByNameAndOnStandardInputAlike)
{
    const std::string path = DataPath("cli/import_budget_cp1252.txt");
    const ProgramResult named = RunProgram({"import", path});
    EXPECT_EQ(named.code, 0) << named.err;
    EXPECT_EQ(named.out, "#FF0000\n");
    const ProgramResult piped = RunProgram({"import"}, ReadFile(path));
    EXPECT_EQ(piped.code, 0) << piped.err;
    EXPECT_EQ(piped.out, named.out);
}

TEST(CliProgramTest, FolderIsAFileError)
{
    const ProgramResult r = RunProgram({"scan", DataPath("cli")});
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tessaro-cli: '" + DataPath("cli") + "' is a folder, not a text file\n");
}

TEST(CliProgramTest, HugeInputOnStandardInput)
{
    std::string text(10 * 1024 * 1024, 'x');
    text += "#ABCDEF";
    const ProgramResult r = RunProgram({"import"}, text);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "#ABCDEF\n");
}

bool LocaleExists(const char* name)
{
    const locale_t l = newlocale(LC_ALL_MASK, name, locale_t(0));
    if (!l)
        return false;
    freelocale(l);
    return true;
}

TEST(CliProgramTest, ValuesUseTheLocaleDecimalSeparator)
{
    const ProgramResult c = RunProgram({"values", "7FD46E"}, "", "C.UTF-8");
    ASSERT_EQ(c.code, 0);
    EXPECT_NE(c.out.find("CMY: C: 0.502 M: 0.1686 Y: 0.5686\n"), std::string::npos) << c.out;

    if (!LocaleExists("de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    const ProgramResult de = RunProgram({"values", "7FD46E"}, "", "de_DE.UTF-8");
    ASSERT_EQ(de.code, 0) << de.err;
    EXPECT_EQ(de.out,
              "XYZ: X: 35,11 Y: 52,72 Z: 23,08\n"
              "CIE Lab: L: 77,71 a: -45,17 b: 42,33\n"
              "H.Lab: L: 72,61 a: -40,76 b: 31,98\n"
              "CMY: C: 0,502 M: 0,1686 Y: 0,5686\n"
              "CMYK : C: 0,4009 M: 0 Y: 0,4811 K: 0,1686\n"
              "RGB(127,212,110)\n"
              "HSL(110,54,63)\n"
              "7FD46E\n"
              "#7FD46E\n"
              "$006ED47F\n"
              "&H6ED47F\n"
              "0X006ED47F\n"
              "0x7FD46E\n"
              "Not Websafe\n"
              "nearest websafe #66CC66\n");
    // Only the extended values follow the locale.
    const ProgramResult hsl = RunProgram({"rgb", "127", "212", "110"}, "", "de_DE.UTF-8");
    EXPECT_EQ(hsl.out, "110,54,63\n");
}

} // namespace
} // namespace tessaro::cli
