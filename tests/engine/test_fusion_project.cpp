// The fifth project type and the photos' alignment through the document, the project
// file and the passes: one undo step each, the keys read back as written and refused
// with a reason, and projects without either render as they did.
#include "TestImages.h"

#include "imaging/ExposureFusion.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "render/PassMemory.h"
#include "render/RenderPass.h"

#include <QCoreApplication>

namespace {

const PhotoAlignment kShift{1, 0, 0.05, 0, 1, -0.02, 0, 0, 1};

NewPhoto filed(const QString &name, quint64 mode)
{
    NewPhoto photo = makePhoto(QImage(), name, mode);
    photo->sFile = QStringLiteral("/p/") + name;
    return photo;
}

TEST(FusionProjectFile, AlignmentAndWeightsReadBackAsWritten)
{
    NewPhotoList photos{filed("a.jpg", Fusion), filed("b.jpg", Fusion)};
    photos[1]->alignment = PhotoAlignment{1.01, 0.02, -0.003, -0.02, 0.99, 0.004, 1e-4, -2e-4, 1};
    ProjectOptions options;
    options.fusion = {0.3, 2.0, 0.0};
    const ProjectParse parse =
        parseProject(projectJson(Fusion, photos, QStringLiteral("/p"), options), QStringLiteral("/p"));
    ASSERT_TRUE(parse.ok()) << parse.error.toStdString();
    EXPECT_EQ(parse.project.mode, quint64(Fusion));
    EXPECT_EQ(parse.project.options.fusion, options.fusion);
    EXPECT_FALSE(parse.project.photos[0]->alignment);
    EXPECT_EQ(parse.project.photos[1]->alignment, photos[1]->alignment);
    // Without the keys: the default weights, no alignment.
    const ProjectParse plain =
        parseProject(R"({"mode": "fusion", "photos": [{"file": "a.jpg"}]})", QStringLiteral("/p"));
    ASSERT_TRUE(plain.ok());
    EXPECT_EQ(plain.project.options.fusion, FusionWeights{});
    EXPECT_FALSE(plain.project.photos[0]->alignment);
}

struct WrongKey {
    const char *name;
    const char *json;
    const char *says;
};

class FusionProjectRefuses : public ::testing::TestWithParam<WrongKey> {};

TEST_P(FusionProjectRefuses, WithTheKeyAndTheReason)
{
    const ProjectParse parse = parseProject(GetParam().json, QStringLiteral("/p"));
    EXPECT_FALSE(parse.ok());
    EXPECT_TRUE(parse.error.contains(QString::fromUtf8(GetParam().says))) << parse.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FusionProjectRefuses,
    ::testing::Values(
        WrongKey{"FusionInComposite", R"({"mode": "composite", "fusion": {}, "photos": [{"file": "a"}]})",
                 "belongs to fusion projects"},
        WrongKey{"WeightTooLarge",
                 R"({"mode": "fusion", "fusion": {"contrast": 2.5}, "photos": [{"file": "a"}]})",
                 "\u201Cfusion.contrast\u201D must be from 0 to 2 in steps of 0.1, not 2.5"},
        WrongKey{"WeightBetweenSteps",
                 R"({"mode": "fusion", "fusion": {"exposure": 0.15}, "photos": [{"file": "a"}]})",
                 "\u201Cfusion.exposure\u201D must be from 0 to 2"},
        WrongKey{"WeightNotANumber",
                 R"({"mode": "fusion", "fusion": {"saturation": "1"}, "photos": [{"file": "a"}]})",
                 "\u201Cfusion.saturation\u201D"},
        WrongKey{"FusionNotAnObject", R"({"mode": "fusion", "fusion": 1, "photos": [{"file": "a"}]})",
                 "must be an object"},
        WrongKey{"UnknownWeight", R"({"mode": "fusion", "fusion": {"gamma": 1}, "photos": [{"file": "a"}]})",
                 "unknown key \u201Cgamma\u201D"},
        WrongKey{"EightNumbers",
                 R"({"mode": "fusion", "photos": [{"file": "a", "alignment": [1,0,0,0,1,0,0,0]}]})",
                 "must be nine numbers"},
        WrongKey{"Singular",
                 R"({"mode": "composite", "photos": [{"file": "a", "alignment": [1,2,0,2,4,0,0,0,1]}]})",
                 "must be nine numbers"},
        WrongKey{"AText",
                 R"({"mode": "fusion", "photos": [{"file": "a", "alignment": [1,0,0,0,1,0,0,0,"1"]}]})",
                 "must be nine numbers"},
        WrongKey{"AlignmentInShape",
                 R"({"mode": "shape", "photos": [{"file": "a", "alignment": [1,0,0,0,1,0,0,0,1]}]})",
                 "belongs to composite, fusion projects, not shape"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FusionDocument, AlignmentIsOneStepAndClearingAnother)
{
    PhotoProject project;
    project.reset(Composite,
                  NewPhotoList{filed("a", Composite), filed("b", Composite), filed("c", Composite)}, {});
    const PhotoList photos = project.photos();
    EXPECT_TRUE(project.setAlignments({{photos[1], kShift}, {photos[2], kIdentityAlignment}}));
    EXPECT_EQ(project.undoStack().count(), 1);
    EXPECT_EQ(project.undoStack().undoText(), QStringLiteral("Align to Background"));
    EXPECT_EQ(project.photos()[1]->alignment, kShift);
    EXPECT_FALSE(project.setAlignments({{photos[1], kShift}})) << "nothing changes";
    EXPECT_TRUE(project.clearAlignment(1));
    EXPECT_EQ(project.undoStack().undoText(), QStringLiteral("Clear Alignment"));
    EXPECT_FALSE(project.photos()[1]->alignment);
    EXPECT_FALSE(project.clearAlignment(1)) << "it has none";
    project.undoStack().undo();
    EXPECT_EQ(project.photos()[1]->alignment, kShift);
    project.undoStack().undo();
    EXPECT_FALSE(project.photos()[1]->alignment);
    EXPECT_FALSE(project.photos()[2]->alignment);
    project.undoStack().redo();
    EXPECT_EQ(project.photos()[2]->alignment, kIdentityAlignment);
}

TEST(FusionDocument, ASliderDragOfAWeightIsOneStep)
{
    PhotoProject project;
    project.reset(Fusion, NewPhotoList{filed("a", Fusion)}, {});
    ProjectOptions options;
    for (const double contrast : {1.1, 1.4, 1.8}) {
        options.fusion.contrast = contrast;
        project.setOptions(options, 7);
    }
    options.fusion.exposure = 0.5;
    project.setOptions(options, 7); // another weight: a step of its own
    EXPECT_EQ(project.undoStack().count(), 2);
    EXPECT_EQ(project.undoStack().text(0), QStringLiteral("Change Contrast Weight"));
    EXPECT_EQ(project.undoStack().text(1), QStringLiteral("Change Exposure Weight"));
    project.undoStack().undo();
    project.undoStack().undo();
    EXPECT_EQ(project.options().fusion, FusionWeights{});
}

// A fusion pass is the fusion of the photos in the background's frame: stretched when
// of another size, warped by their alignment.
TEST(FusionPass, FusesThePhotosInTheBackgroundsFrame)
{
    const QImage dark = noiseImage(48, 32, 3, true);
    const QImage bright = noiseImage(48, 32, 4, true);
    const NewPhotoList photos{makePhoto(dark, "a", Fusion), makePhoto(bright, "b", Fusion)};
    ProjectOptions options;
    options.fusion = {1.0, 0.5, 2.0};
    const PassResult pass = renderPass(photos, Fusion, QSizeF(), true, 1.0, options);
    ASSERT_FALSE(pass.failed()) << pass.error.toStdString();
    EXPECT_EQ(pass.mixed, fuseExposures({dark, bright}, options.fusion));
    EXPECT_EQ(capturedPictureSize(photos, {QSizeF(48, 32), QSizeF(24, 16)}, Fusion), QSizeF(48, 32));
    EXPECT_GT(passMemoryNeed(photos, Fusion, ViewTarget{QSizeF(), 1.0, true}),
              passMemoryNeed(NewPhotoList{photos[0]}, Fusion, ViewTarget{QSizeF(), 1.0, true}) +
                  3 * 48 * 32 * 4);

    // A photo shifted by four pixels and aligned back fuses as the unshifted one does,
    // away from the four columns it cannot cover.
    QImage shifted(48, 32, QImage::Format_ARGB32_Premultiplied);
    shifted.fill(Qt::black);
    for (int y = 0; y < 32; ++y)
        for (int x = 4; x < 48; ++x)
            shifted.setPixel(x, y, bright.pixel(x - 4, y));
    photos[1]->image = shifted;
    photos[1]->alignment = PhotoAlignment{1, 0, -4.0 / 48, 0, 1, 0, 0, 0, 1};
    const QImage aligned = renderPass(photos, Fusion, QSizeF(), true, 1.0, options).mixed;
    const QImage expected = fuseExposures({dark, bright}, options.fusion);
    int differing = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 36; ++x)
            differing += !colourNear(aligned.pixel(x, y), expected.pixel(x, y), 2);
    EXPECT_EQ(differing, 0);
}

// Composite: an alignment that moves nothing draws what no alignment draws; a photo of
// another size keeps its size and offsets whatever its alignment says.
TEST(FusionPass, CompositeWithoutAlignmentOrWithTheIdentityRendersAsBefore)
{
    const QImage background = noiseImage(40, 30, 8, true);
    const QImage layer = noiseImage(40, 30, 9, true);
    NewPhotoList photos{makePhoto(background, "a", Composite), makePhoto(layer, "b", Composite)};
    const QImage before = renderPass(photos, Composite, QSizeF(), true).mixed;
    photos[1]->alignment = kIdentityAlignment;
    EXPECT_EQ(renderPass(photos, Composite, QSizeF(), true).mixed, before);
    photos[1]->alignment = kShift;
    EXPECT_NE(renderPass(photos, Composite, QSizeF(), true).mixed, before);
    NewPhotoList other{makePhoto(background, "a", Composite),
                       makePhoto(noiseImage(20, 10, 9, true), "b", Composite)};
    const QImage placed = renderPass(other, Composite, QSizeF(), true).mixed;
    other[1]->alignment = kShift;
    EXPECT_EQ(renderPass(other, Composite, QSizeF(), true).mixed, placed);
}

} // namespace
