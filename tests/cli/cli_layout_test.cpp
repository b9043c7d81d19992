// tessaro-cli render and contrast: a layout drawn offscreen with its
// default colours, a scheme and a colour-vision view; WCAG verdicts.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaro::cli {
namespace {

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args)
{
    std::istringstream in;
    std::ostringstream out, err;
    Result r;
    r.code = Run(args, in, out, err, ".");
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct ContrastCase {
    const char* name;
    const char* fg;
    const char* bg;
    const char* out;
};

class CliContrastTest : public testing::TestWithParam<ContrastCase> {};

TEST_P(CliContrastTest, RatioAndVerdicts)
{
    const Result r = RunCli({"contrast", GetParam().fg, GetParam().bg});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Wcag, CliContrastTest,
    testing::Values(ContrastCase{"BlackOnWhite", "000000", "#FFFFFF",
                                 "ratio 21.00:1\nnormal AA pass AAA pass\nlarge AA pass AAA pass\nAPCA Lc 106.0\n"},
                    ContrastCase{"Grey777OnWhite", "777777", "FFFFFF",
                                 "ratio 4.48:1\nnormal AA fail AAA fail\nlarge AA pass AAA fail\nAPCA Lc 71.1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliContrastTest, BadColourIsAUsageError)
{
    EXPECT_EQ(RunCli({"contrast", "77777", "FFFFFF"}).code, 2);
    EXPECT_EQ(RunCli({"contrast", "777777"}).code, 2);
}

class CliRenderTest : public testing::Test {
protected:
    std::string path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)).toStdString(); }
    void write(const char* name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    QImage render(std::vector<std::string> extra, int expectedCode = 0) const
    {
        std::vector<std::string> args{"render", path("card.sts"), "-o", path("out.png")};
        args.insert(args.end(), extra.begin(), extra.end());
        const Result r = RunCli(args);
        EXPECT_EQ(r.code, expectedCode) << r.err;
        return QImage(QString::fromStdString(path("out.png")));
    }

    // Shape 1, red by default, on a light grey page of 200 x 100.
    void SetUp() override
    {
        write("card.sts", "width=200\r\nheight=100\r\ns1.left=10\r\ns1.top=10\r\ns1.width=50\r\ns1.height=40\r\n"
                          "s1.visible=1\r\ns1.color=clRed\r\nbackground.color=$00EEEEEE\r\n");
    }

    QTemporaryDir folder_;
};

TEST_F(CliRenderTest, DefaultColoursAtTheDocumentSize)
{
    const QImage image = render({});
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(QColor(image.pixel(30, 30)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(150, 80)), QColor(0xEE, 0xEE, 0xEE));
}

TEST_F(CliRenderTest, SchemeColoursWinAndViewRecolours)
{
    write("blue.shm", "sc1=clBlue\r\n");
    EXPECT_EQ(QColor(render({"--scheme", path("blue.shm")}).pixel(30, 30)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(render({"--view", "greyscale"}).pixel(30, 30)), QColor(0x7F, 0x7F, 0x7F));
}

TEST_F(CliRenderTest, FailuresExitWithTheirStatus)
{
    write("broken.sts", "s1.visible=1\r\ns1.left=far\r\n");
    EXPECT_EQ(RunCli({"render", path("broken.sts"), "-o", path("x.png")}).code, 1);
    EXPECT_EQ(RunCli({"render", path("missing.sts"), "-o", path("x.png")}).code, 4);
    write("picture.sts", "i1.filename=not a picture.png\r\ni1.visible=1\r\n");
    write("not a picture.png", "text");
    EXPECT_EQ(RunCli({"render", path("picture.sts"), "-o", path("x.png")}).code, 4);
    EXPECT_EQ(RunCli({"render", path("card.sts"), "--view", "sepia", "-o", path("x.png")}).code, 2);
    EXPECT_EQ(RunCli({"render", path("card.sts")}).code, 2);
}

} // namespace
} // namespace tessaro::cli
