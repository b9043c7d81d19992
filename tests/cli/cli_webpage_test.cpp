// tessaro-cli's web page commands: layout files in, the page's HTML or the
// layout file out, with the tool's exit statuses.
#include "cli/cli.h"

#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace tessaro::cli {
namespace {

namespace fs = std::filesystem;
using test::DataPath;
using test::ReadFile;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    Result r;
    r.code = Run(args, in, out, err, ".");
    r.out = out.str();
    r.err = err.str();
    return r;
}

const std::string kDefaultPage = "webpreview/default_page.htm";
const std::string kSample = std::string(TESSARO_PROGRAM_DATA_DIR) + "/Sample 1.cls";

class CliWebPageFiles : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(testing::TempDir()) / ("cli_webpage_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST(CliWebPage, EmptyLayoutGivesTheDefaultPage)
{
    const Result r = RunCli({"webpage", "-"}, "");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, ReadFile(DataPath(kDefaultPage)));
    EXPECT_EQ(r.err, "");
}

TEST(CliWebPage, TheLayoutIsAppliedToTheDefaultPage)
{
    const Result r = RunCli({"webpage", "-"}, "header.color=clRed\r\nheader.text=A<b>\r\n");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_NE(r.out.find("bgcolor=\"#FF0000\" class=\"header1\">A&lt;b&gt;</td>   \r\n"), std::string::npos);
}

TEST(CliWebPage, SampleLayoutReadsBackAsWritten)
{
    const Result r = RunCli({"weblayout", kSample});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, ReadFile(kSample));
}

TEST(CliWebPage, SizesThePageHasNoRoomForAreNoted)
{
    const Result r = RunCli({"weblayout", "-"}, "header.height=5000\r\n");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_NE(r.out.find("\r\nheader.height=268\r\n"), std::string::npos);
    EXPECT_EQ(r.err, "tessaro-cli: header.height=5000 taken as 268\n");
}

TEST(CliWebPage, ConversionErrorWritesNothing)
{
    const Result r = RunCli({"webpage", "-"}, "header.text=kept\r\nfooter.color=bogus\r\n");
    EXPECT_EQ(r.code, kExitConversionError);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "'bogus' is not a valid integer value\n");
}

TEST(CliWebPage, MissingLayoutIsAFileError)
{
    const Result r = RunCli({"webpage", "/nonexistent/layout.cls"});
    EXPECT_EQ(r.code, kExitFileError);
    EXPECT_EQ(r.out, "");
}

TEST(CliWebPage, UsageErrors)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"webpage"}, {"webpage", "a.cls", "b.cls"}, {"webpage", "a.cls", "-o"}, {"webpage", "-o", "x.htm"},
             {"webpage", "a.cls", "--force"}, {"webpage", "a.cls", "-o", "x", "-o", "y"}, {"weblayout"},
             {"weblayout", "a", "b"}}) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.code, kExitUsage) << testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliWebPageFiles, WritesTheOutputFile)
{
    const Result r = RunCli({"webpage", "-", "-o", Path("page.htm")}, "");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFile(Path("page.htm")), ReadFile(DataPath(kDefaultPage)));
    EXPECT_EQ(Names(), std::vector<std::string>{"page.htm"});
}

TEST_F(CliWebPageFiles, ReplacesAnOldOutputFile)
{
    { std::ofstream(Path("page.htm")) << "old"; }
    const Result r = RunCli({"webpage", "-o", Path("page.htm"), "-"}, "left.width=0\r\n");
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_NE(ReadFile(Path("page.htm")).find("width=\"383\""), std::string::npos);
    EXPECT_EQ(Names(), std::vector<std::string>{"page.htm"});
}

TEST_F(CliWebPageFiles, OutputThatCannotBeWrittenLeavesNothingBehind)
{
    fs::create_directory(Path("folder"));
    Result r = RunCli({"webpage", "-", "-o", Path("folder")}, "");
    EXPECT_EQ(r.code, kExitFileError);
    EXPECT_TRUE(fs::is_directory(Path("folder")));
    EXPECT_EQ(Names(), std::vector<std::string>{"folder"});

    r = RunCli({"webpage", "-", "-o", Path("missing/page.htm")}, "");
    EXPECT_EQ(r.code, kExitFileError);
    EXPECT_EQ(Names(), std::vector<std::string>{"folder"});
}

TEST_F(CliWebPageFiles, ConversionErrorLeavesTheOldOutputFile)
{
    { std::ofstream(Path("page.htm")) << "old"; }
    const Result r = RunCli({"webpage", "-", "-o", Path("page.htm")}, "left.width=narrow\r\n");
    EXPECT_EQ(r.code, kExitConversionError);
    EXPECT_EQ(ReadFile(Path("page.htm")), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"page.htm"});
}

} // namespace
} // namespace tessaro::cli
