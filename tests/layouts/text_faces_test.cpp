// The faces texts are drawn in, against the fonts installed: a face that is
// not installed gets the same substitute of its kind (serif, sans, mono) in
// a window and in a rendered picture, and no text of the sample layouts is
// cut by its box.
#include "layouts/layout_names.h"
#include "layouts/test_area.h"
#include "layouts/test_area_painter.h"
#include "layouts/test_layout.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <string>

namespace tessaro::layouts {
namespace {

// Font matching needs a GUI application, offscreen unless another platform
// is asked for; made once and kept for the whole run.
void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "layouts_faces_test";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

LayoutObject TextIn(const std::string& face, int points)
{
    LayoutObject text;
    text.font = face;
    text.fontSize = points;
    return text;
}

enum class Kind { Serif, Sans, Mono };

// The kind of the face a font resolves to, from the face's name and pitch.
Kind KindOf(const QFont& font)
{
    const QFontInfo info(font);
    if (info.fixedPitch())
        return Kind::Mono;
    const QString family = info.family();
    if (family.contains(QStringLiteral("Serif")) || family.contains(QStringLiteral("Roman")))
        return Kind::Serif;
    return Kind::Sans;
}

struct FaceRow {
    const char* face;
    Kind kind;
};

class FaceSubstitute : public testing::TestWithParam<FaceRow> {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
};

// A window's painter resolves the text's font against the window's font
// (the program's sans-serif with its style hint); a rendered picture's
// painter against the application's default. Both land on the same face.
TEST_P(FaceSubstitute, WindowAndPictureDrawTheSameFaceOfTheSameKind)
{
    const QFont text = TextFont(TextIn(GetParam().face, 18));
    QFont windowFont(QStringLiteral("Liberation Sans"));
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSize(8);
    const QFont inWindow = text.resolve(windowFont);
    const QFont inPicture = text.resolve(QFont());
    EXPECT_EQ(QFontInfo(inWindow).family(), QFontInfo(inPicture).family());
    EXPECT_EQ(KindOf(inWindow), GetParam().kind) << QFontInfo(inWindow).family().toStdString();
    EXPECT_EQ(KindOf(inPicture), GetParam().kind) << QFontInfo(inPicture).family().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceSubstitute,
                         testing::Values(FaceRow{"Georgia", Kind::Serif}, FaceRow{"Times New Roman", Kind::Serif},
                                         FaceRow{"Verdana", Kind::Sans}, FaceRow{"Tahoma", Kind::Sans},
                                         FaceRow{"Arial", Kind::Sans}, FaceRow{"Courier New", Kind::Mono}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.face; *c; ++c)
                                 if (std::isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             return name;
                         });

const std::string kLayoutsFolder = std::string(TESSARO_SAMPLE_LAYOUTS_DIR) + "/";

class SampleLayoutTexts : public testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
};

// Each visible text, wrapped at its box's width as it is drawn, needs no
// more than its box: no line is cut at the bottom (descenders included)
// and no word runs past the right edge.
TEST_P(SampleLayoutTexts, FitTheirBoxes)
{
    const std::optional<TestLayout> layout = ReadTestLayout(kLayoutsFolder + GetParam());
    ASSERT_TRUE(layout.has_value());
    TestArea area = InitialTestArea();
    ApplyLayout(area, *layout, true, kLayoutsFolder, [](const LayoutObject&) {});
    for (const LayoutObject& text : area.texts) {
        if (!text.visible || text.text.empty())
            continue;
        const QFontMetrics metrics(TextFont(text));
        const QRect needed = metrics.boundingRect(QRect(0, 0, text.width, INT_MAX / 2),
                                                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                                  QString::fromStdString(text.text));
        EXPECT_LE(needed.height(), text.height)
            << "t" << text.number << " \"" << text.text << "\" (" << text.font << " " << text.fontSize << ")";
        EXPECT_LE(needed.width(), text.width)
            << "t" << text.number << " \"" << text.text << "\" (" << text.font << " " << text.fontSize << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(LayoutList, SampleLayoutTexts, testing::ValuesIn(kLayoutNames),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param; *c && *c != '.'; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

} // namespace
} // namespace tessaro::layouts
