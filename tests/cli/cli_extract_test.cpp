// tessaro-cli extract: a picture's representative colours.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <sstream>

namespace tessaro::cli {
namespace {

int RunCli(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::istringstream in;
    std::ostringstream o, e;
    const int code = cli::Run(args, in, o, e, ".");
    out = o.str();
    err = e.str();
    return code;
}

TEST(CliExtract, PrintsTheBlocksMostCommonFirst)
{
    QTemporaryDir dir;
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0x12, 0x34, 0x56));
    for (int x = 20; x < 30; ++x)
        for (int y = 0; y < 10; ++y)
            picture.setPixel(x, y, qRgb(0xFF, 0x80, 0x00));
    const std::string path = dir.filePath(QStringLiteral("blocks.png")).toStdString();
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));

    std::string out, err;
    EXPECT_EQ(RunCli({"extract", path}, out, err), 0);
    EXPECT_EQ(out, "#123456\n#FF8000\n");
    EXPECT_EQ(RunCli({"extract", "--count", "2", path}, out, err), 0);
    EXPECT_EQ(out, "#123456\n#FF8000\n");
    EXPECT_EQ(RunCli({"extract", "--count", "33", path}, out, err), 2);
    EXPECT_EQ(RunCli({"extract", dir.path().toStdString()}, out, err), 4);
    EXPECT_TRUE(out.empty());
}

} // namespace
} // namespace tessaro::cli
