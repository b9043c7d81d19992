// tessaro-cli render of every built-in layout that holds a WMF or EMF
// picture, run as the built program: each ends well and shows its picture's
// own colours where the layout puts it (the metafiles are drawn by the
// decoder processes beside tessaro-cli-full).
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace tessaro::cli {
namespace {

// A point of a sample picture, in its own pixels, and the colour there.
struct PicturePoint {
    QPointF at;
    QColor color;
};

struct SamplePicture {
    QSizeF size;
    std::vector<PicturePoint> points;
};

// star.wmf: the star's centre and its ring. ribbon.emf: its two bands.
const SamplePicture kStar{{96, 96}, {{{48, 50}, QColor(0xFF, 0xB7, 0x03)}, {{48, 88}, QColor(0xA8, 0xDA, 0xDC)}}};
const SamplePicture kRibbon{{159, 59}, {{{80, 25}, QColor(0x81, 0xB2, 0x9A)}, {{40, 25}, QColor(0xF2, 0xCC, 0x8F)}}};

struct LayoutCase {
    const char* name;
    const char* file;
    const SamplePicture* picture;
    QRectF box;   // the image object's rectangle in the layout
    bool stretch; // else drawn at its own size, centred in the box
};

void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.name;
}

// The wait status of the built tessaro-cli run with ARGS.
int RunCliProgram(std::vector<std::string> args)
{
    args.insert(args.begin(), TESSARO_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, TESSARO_CLI_PATH, nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 6 && std::abs(a.green() - b.green()) <= 6
        && std::abs(a.blue() - b.blue()) <= 6;
}

class CliMetafileRenderTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(CliMetafileRenderTest, PictureIsDrawnWhereTheLayoutPutsIt)
{
    const LayoutCase& c = GetParam();
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("out.png"));
    const int status = RunCliProgram(
        {"render", std::string(TESSARO_PROGRAM_DATA_DIR "/TLs/") + c.file, "-o", out.toStdString()});
    ASSERT_TRUE(WIFEXITED(status)) << "wait status " << status;
    ASSERT_EQ(WEXITSTATUS(status), 0);

    const QImage image(out);
    ASSERT_FALSE(image.isNull());
    for (const PicturePoint& point : c.picture->points) {
        const QSizeF size = c.picture->size;
        const QPointF origin = c.stretch ? c.box.topLeft()
                                         : c.box.center() - QPointF(size.width() / 2, size.height() / 2);
        const QPointF scale = c.stretch ? QPointF(c.box.width() / size.width(), c.box.height() / size.height())
                                        : QPointF(1, 1);
        const QPoint at = (origin + QPointF(point.at.x() * scale.x(), point.at.y() * scale.y())).toPoint();
        if (!c.box.contains(at))
            continue; // cut off by the box
        const QColor shown = image.pixelColor(at);
        EXPECT_TRUE(Near(shown, point.color))
            << "at " << at.x() << "," << at.y() << ": " << shown.name().toStdString() << ", expected "
            << point.color.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInLayouts, CliMetafileRenderTest, testing::Values(
    LayoutCase{"Logo02", "Logo 02.sts", &kStar, {440, 276, 64, 64}, true},
    LayoutCase{"TestLayout14", "Test Layout 14.sts", &kStar, {440, 276, 64, 64}, true},
    LayoutCase{"TestLayout22", "Test Layout 22.sts", &kStar, {440, 276, 64, 64}, true},
    LayoutCase{"TestLayout30", "Test Layout 30.sts", &kStar, {440, 276, 64, 64}, true},
    LayoutCase{"DemoLayout3", "Demo Layout 3.sts", &kRibbon, {376, 262, 60, 60}, false},
    LayoutCase{"Page02", "Page 02.sts", &kRibbon, {442, 12, 72, 72}, true},
    LayoutCase{"Page05", "Page 05.sts", &kRibbon, {341, 12, 72, 72}, true},
    LayoutCase{"Page08", "Page 08.sts", &kRibbon, {684, 12, 72, 72}, true},
    LayoutCase{"Page11", "Page 11.sts", &kRibbon, {556, 12, 72, 72}, true},
    LayoutCase{"TestLayout9", "Test Layout 9.sts", &kRibbon, {341, 12, 72, 72}, true},
    LayoutCase{"TestLayout25", "Test Layout 25.sts", &kRibbon, {341, 12, 72, 72}, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::cli
