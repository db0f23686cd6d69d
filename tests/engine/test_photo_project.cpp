// The document: its list operations with their selection rules, one named undo step per
// operation that undo takes back exactly, the gestures that merge, and photos that
// load while the user goes on (the test hands each picture over itself, in the order
// it chooses, as the decoder would).
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>

// Failures show texts as text.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}

namespace {

// Marks every text of the document's own contexts as translated, so that a name that
// skips translation shows.
class MarkingTranslator : public QTranslator {
  public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QByteArray ctx(context);
        if (ctx != "PhotoProject" && ctx != "PhotoField")
            return {};
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

struct Translated {
    MarkingTranslator translator;
    Translated() { QCoreApplication::installTranslator(&translator); }
    ~Translated() { QCoreApplication::removeTranslator(&translator); }
};

// The notifications a project sends, in order, but for those of the modified state alone.
struct Changes : QList<int> {
    explicit Changes(PhotoProject &project)
    {
        QObject::connect(&project, &PhotoProject::changed, [this](int what) {
            if (what != PhotoProject::ModifiedChanged)
                append(what);
        });
    }
};

NewPhoto photoNamed(const QString &name, quint64 mode = Composite)
{
    NewPhoto photo = makePhoto(QImage(), name, mode);
    photo->sFile = QStringLiteral("/p/") + name;
    return photo;
}

// A project of photos named "a", "b", ... with row `selected` selected and no history.
struct Fixture {
    PhotoProject project;
    explicit Fixture(int photos, qint64 selected = -1, quint64 mode = Composite)
    {
        PhotoList list;
        for (int i = 0; i < photos; ++i)
            list << photoNamed(QString(QChar('a' + i)), mode);
        project.reset(mode, list, QStringLiteral("/p/project.quillane"));
        project.select(selected);
    }
    QString names() const
    {
        QString names;
        for (const PhotoPtr &photo : project.photos())
            names += photo->sName;
        return names;
    }
    // What the project file would hold, and the selected row.
    QString state() const
    {
        return QString::fromUtf8(
                   projectJson(project.mode(), project.photos(), QStringLiteral("/p"), project.options())) +
               QStringLiteral(" selected %1").arg(project.selectedIndex());
    }
};

PhotoList twoNew()
{
    return {photoNamed("x"), photoNamed("y")};
}

struct ListCase {
    const char *name;
    int photos;
    qint64 selected;
    std::function<bool(PhotoProject &)> act;
    bool changes;      // what the operation returns, and whether it notifies
    const char *after; // the names in order afterwards
    qint64 selectedAfter;
};

class ListOperation : public ::testing::TestWithParam<ListCase> {};

// The rules of the list: the last row is selected after an add, row 0 after a removal
// (none when the list is empty), the same row after a move.
TEST_P(ListOperation, ChangesTheListAndSelectsByItsRule)
{
    const ListCase &c = GetParam();
    Fixture f(c.photos, c.selected);
    const Changes changed(f.project);
    EXPECT_EQ(c.act(f.project), c.changes);
    EXPECT_EQ(f.names(), QString::fromLatin1(c.after));
    EXPECT_EQ(f.project.selectedIndex(), c.selectedAfter);
    ASSERT_EQ(changed.size(), c.changes ? 1 : 0) << "one notification per change, none without";
    EXPECT_EQ(f.project.undoStack().count(), c.changes ? 1 : 0);
    if (c.changes) {
        EXPECT_TRUE(changed[0] & PhotoProject::ListChanged);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListOperation,
    ::testing::Values(
        ListCase{"add", 2, 0, [](PhotoProject &p) { return p.addPhotos(twoNew()), true; }, true, "abxy", 3},
        ListCase{"addNothing", 2, 1, [](PhotoProject &p) { return p.addPhotos({}), false; }, false, "ab", 1},
        ListCase{"removeMiddle", 3, 1, [](PhotoProject &p) { return p.removeAt(1); }, true, "ac", 0},
        ListCase{"removeLastPhoto", 1, 0, [](PhotoProject &p) { return p.removeAt(0); }, true, "", -1},
        ListCase{"removeOutside", 2, 1, [](PhotoProject &p) { return p.removeAt(2); }, false, "ab", 1},
        ListCase{"removeNone", 2, -1, [](PhotoProject &p) { return p.removeAt(-1); }, false, "ab", -1},
        ListCase{"moveUp", 3, 2, [](PhotoProject &p) { return p.move(2, -1); }, true, "acb", 2},
        ListCase{"moveDown", 3, 0, [](PhotoProject &p) { return p.move(0, +1); }, true, "bac", 0},
        ListCase{"moveFirstUp", 3, 0, [](PhotoProject &p) { return p.move(0, -1); }, false, "abc", 0},
        ListCase{"moveLastDown", 3, 2, [](PhotoProject &p) { return p.move(2, +1); }, false, "abc", 2},
        ListCase{"moveNothing", 3, -1, [](PhotoProject &p) { return p.move(-1, +1); }, false, "abc", -1},
        ListCase{"replaceKeepsRow", 3, 1, [](PhotoProject &p) { return p.replaceList(twoNew()), true; }, true,
                 "xy", 1},
        ListCase{"replaceLosesRow", 3, 2, [](PhotoProject &p) { return p.replaceList(twoNew()), true; }, true,
                 "xy", -1}),
    [](const ::testing::TestParamInfo<ListCase> &info) { return std::string(info.param.name); });

struct StepCase {
    const char *name;
    quint64 mode;
    std::function<void(PhotoProject &)> act;
    const char *undoText; // as the marking translator gives it
};

class OperationStep : public ::testing::TestWithParam<StepCase> {};

// Every operation that changes the project is one undo step named through the
// translations; undo puts back the very project (the file it would write and the
// selected row), redo repeats the operation.
TEST_P(OperationStep, IsOneNamedStepThatUndoTakesBackExactly)
{
    const StepCase &c = GetParam();
    const Translated translated;
    Fixture f(4, 2, c.mode);
    const QString before = f.state();
    c.act(f.project);
    const QString after = f.state();
    ASSERT_NE(after, before) << "the operation changed nothing";
    ASSERT_EQ(f.project.undoStack().count(), 1);
    EXPECT_EQ(f.project.undoStack().undoText(), QString::fromUtf8(c.undoText));
    EXPECT_TRUE(f.project.isModified());

    f.project.select(0); // wherever the user is by then
    f.project.undoStack().undo();
    EXPECT_EQ(f.state(), before);
    EXPECT_FALSE(f.project.isModified());
    f.project.undoStack().redo();
    EXPECT_EQ(f.state(), after);
}

ProjectOptions srgb()
{
    ProjectOptions options;
    options.blendSpace = BlendSpace::Srgb;
    return options;
}

ProjectOptions fullResolution()
{
    ProjectOptions options;
    options.fullResolution = true;
    return options;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OperationStep,
    ::testing::Values(
        StepCase{"addOne", Composite, [](PhotoProject &p) { p.addPhotos({photoNamed("x")}); }, "<Add Photo>"},
        StepCase{"addTwo", Composite, [](PhotoProject &p) { p.addPhotos(twoNew()); }, "<Add Photos>"},
        StepCase{"addLoading", Composite,
                 [](PhotoProject &p) {
                     p.addLoadingPhotos({"/q/x.jpg", "/q/y.jpg"});
                 },
                 "<Add Photos>"},
        StepCase{"remove", Composite, [](PhotoProject &p) { p.removeAt(1); }, "<Remove Photo>"},
        StepCase{"moveUp", Composite, [](PhotoProject &p) { p.move(2, -1); }, "<Move Photo Up>"},
        StepCase{"moveDown", Composite, [](PhotoProject &p) { p.move(2, +1); }, "<Move Photo Down>"},
        StepCase{"replace", Shape, [](PhotoProject &p) { p.replaceList(twoNew()); }, "<Replace Photos>"},
        StepCase{"writeField", Transparent,
                 [](PhotoProject &p) { p.writeField(2, PhotoField::TransparentSize, 55.0); },
                 "<Change <Size>>"},
        StepCase{"writeSelected", Composite,
                 [](PhotoProject &p) { p.writeSelectedField(PhotoField::CompositeBlendMode, 7); },
                 "<Change <Blend Mode>>"},
        StepCase{"writeFields", Shape,
                 [](PhotoProject &p) {
                     p.writeFields(2, {{PhotoField::ShapeXOffset, 12.5}, {PhotoField::ShapeRotation, -30}},
                                   PhotoProject::tr("Move Photo"));
                 },
                 "<Move Photo>"},
        StepCase{"blendSpace", Composite, [](PhotoProject &p) { p.setOptions(srgb()); },
                 "<Change <Blend Space>>"},
        StepCase{"fullResolution", LinearHorizontal, [](PhotoProject &p) { p.setOptions(fullResolution()); },
                 "<Change <Full Resolution>>"}),
    [](const ::testing::TestParamInfo<StepCase> &info) { return std::string(info.param.name); });

TEST(PhotoProject, WhatChangesNothingLeavesNoStep)
{
    Fixture f(3, 0);
    const Changes changed(f.project);
    EXPECT_FALSE(f.project.writeField(1, PhotoField::CompositeSize, f.project.photos()[1]->f_Composite_Size));
    EXPECT_FALSE(f.project.writeField(3, PhotoField::CompositeSize, 20.0));
    EXPECT_FALSE(f.project.writeSelectedField(PhotoField::CompositeSize, 20.0))
        << "the background is not tunable";
    EXPECT_FALSE(f.project.setOptions(f.project.options()));
    f.project.select(0);
    EXPECT_EQ(f.project.undoStack().count(), 0);
    EXPECT_TRUE(changed.isEmpty());
    EXPECT_FALSE(f.project.isModified());
}

// One drag (the same gesture) is one step; the next gesture, or a write without one,
// is a step of its own; a drag back to where it started leaves none.
TEST(PhotoProject, TheWritesOfOneGestureMerge)
{
    Fixture f(3, 1);
    for (double value : {10.0, 20.0, 30.0})
        f.project.writeSelectedField(PhotoField::CompositeSize, value, 7);
    EXPECT_EQ(f.project.undoStack().count(), 1);
    f.project.writeSelectedField(PhotoField::CompositeSize, 40.0, 8);
    f.project.writeSelectedField(PhotoField::CompositeXOffset, 5.0, 8); // another field
    f.project.writeSelectedField(PhotoField::CompositeSize, 45.0);
    f.project.writeSelectedField(PhotoField::CompositeSize, 50.0);
    EXPECT_EQ(f.project.undoStack().count(), 5);
    f.project.undoStack().setIndex(1);
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Size, 30.0f);
    f.project.undoStack().undo();
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Size, 0.0f);

    Fixture back(3, 1);
    for (double value : {10.0, 20.0, 0.0})
        back.project.writeSelectedField(PhotoField::CompositeSize, value, 3);
    EXPECT_EQ(back.project.undoStack().count(), 0);
}

// A drag on the canvas writes several fields at once: its writes merge into one step
// that keeps each field's value from before the drag, even one first written late in
// it; a drag that ends where it started (Escape) leaves no step.
TEST(PhotoProject, TheMultiFieldWritesOfOneDragMerge)
{
    using F = PhotoField;
    Fixture f(3, 1);
    const Changes changed(f.project);
    f.project.writeFields(1, {{F::CompositeXOffset, 10}, {F::CompositeYOffset, 5}}, "Move", 4);
    f.project.writeFields(1, {{F::CompositeXOffset, 20}, {F::CompositeSize, 30}}, "Move", 4);
    EXPECT_EQ(changed.size(), 2); // one notification per write, not per field
    ASSERT_EQ(f.project.undoStack().count(), 1);
    const Object_Photo &photo = *f.project.photos()[1];
    EXPECT_EQ(photo.f_Composite_X_Offset, 20.0f);
    EXPECT_EQ(photo.f_Composite_Size, 30.0f);
    f.project.undoStack().undo();
    EXPECT_EQ(f.project.photos()[1]->f_Composite_X_Offset, 0.0f);
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Y_Offset, 0.0f);
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Size, 0.0f);
    f.project.undoStack().redo();
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Y_Offset, 5.0f);

    f.project.writeFields(1, {{F::CompositeRotation, 15}}, "Turn", 5);
    f.project.writeFields(1, {{F::CompositeRotation, 0}}, "Turn", 5);
    EXPECT_EQ(f.project.undoStack().count(), 1) << "the turn back to the start leaves no step";
    EXPECT_FALSE(f.project.writeFields(1, {{F::CompositeXOffset, 20}}, "Move", 6));
    EXPECT_FALSE(f.project.writeFields(5, {{F::CompositeXOffset, 1}}, "Move", 6));
}

// Undo and redo of a field bring back the row of the photo they change, wherever it
// now is, and tell that the panel is to show the value again.
TEST(PhotoProject, UndoOfAWriteSelectsItsPhoto)
{
    Fixture f(4, 3);
    f.project.writeSelectedField(PhotoField::CompositeSize, 25.0, 1);
    f.project.select(3);
    f.project.move(3, -1); // the photo is in row 2 now
    f.project.select(0);
    f.project.undoStack().undo(); // the move: back to row 3, the row it kept
    EXPECT_EQ(f.project.selectedIndex(), 3);
    f.project.select(1);
    const Changes changed(f.project);
    f.project.undoStack().undo();
    EXPECT_EQ(f.project.selectedIndex(), 3);
    EXPECT_EQ(f.project.photos()[3]->f_Composite_Size, 0.0f);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0],
              PhotoProject::FieldChanged | PhotoProject::FromHistory | PhotoProject::SelectionChanged);
}

// Photos "0" to "7" being added, as the adder does, with row `selected` selected.
struct Loading : Fixture {
    PhotoList loading;
    explicit Loading(qint64 selected = -1) : Fixture(0)
    {
        QStringList files;
        for (int i = 0; i < 8; ++i)
            files << QStringLiteral("/q/%1.jpg").arg(i);
        loading = project.addLoadingPhotos(files);
        project.select(selected);
    }
    // The picture of photo i, handed over once as the decoder does: i + 1 pixels wide, so
    // that each tells whose it is.
    void arrive(int i)
    {
        if (!std::exchange(delivered[i], true))
            project.finishLoading(loading[i], QImage(i + 1, 1, QImage::Format_ARGB32), nullptr);
    }
    void arriveAll()
    {
        for (int i = 7; i >= 0; --i)
            arrive(i);
    }
    bool delivered[8] = {}; // each picture comes once
    // Every photo of the list holds its own picture.
    void expectPictures() const
    {
        for (const PhotoPtr &photo : project.photos())
            EXPECT_EQ(photo->image.width(), photo->sName.section('.', 0, 0).toInt() + 1)
                << photo->sName.toStdString();
        EXPECT_FALSE(project.hasLoadingPhotos());
    }
};

// The add is one step from its start: removing a photo that still loads and undoing
// brings back that photo (never takes back the whole add), with its picture, whether
// the picture arrived before or after the undo.
TEST(PhotoProjectLoading, UndoOfARemovalWhileLoadingBringsBackThatPhoto)
{
    for (bool arrivesFirst : {true, false}) {
        Loading l(7);
        EXPECT_EQ(l.project.undoStack().count(), 1);
        EXPECT_TRUE(l.project.hasLoadingPhotos());
        l.project.removeAt(7);
        if (arrivesFirst)
            l.arriveAll();
        l.project.undoStack().undo();
        EXPECT_EQ(l.names(), QStringLiteral("0.jpg1.jpg2.jpg3.jpg4.jpg5.jpg6.jpg7.jpg"));
        EXPECT_EQ(l.project.selectedIndex(), 7);
        EXPECT_EQ(l.project.undoStack().undoText(), QStringLiteral("Add Photos"));
        if (!arrivesFirst)
            l.arriveAll();
        l.expectPictures();
    }
}

// Moves, removals, undo and redo while photos load keep every photo and its picture.
TEST(PhotoProjectLoading, EditsDuringLoadingKeepEveryPhotoAndItsPicture)
{
    Loading l(3);
    l.arrive(6);
    l.project.move(3, -1);
    l.arrive(2);
    l.project.select(5);
    l.project.removeAt(5);
    l.arrive(5); // out of the list now
    l.project.undoStack().undo();
    l.project.undoStack().redo();
    l.arrive(0);
    l.project.undoStack().undo();
    EXPECT_EQ(l.names(), QStringLiteral("0.jpg1.jpg3.jpg2.jpg4.jpg5.jpg6.jpg7.jpg"));
    EXPECT_TRUE(l.project.hasLoadingPhotos());
    l.arriveAll();
    l.expectPictures();
    EXPECT_EQ(l.project.selectedIndex(), 5);
}

// Row 6 removed and brought back stays selected when loading ends.
TEST(PhotoProjectLoading, TheEndOfLoadingLeavesTheSelectionAlone)
{
    Loading l(6);
    l.project.removeAt(6);
    EXPECT_EQ(l.project.selectedIndex(), 0);
    l.project.undoStack().undo();
    EXPECT_EQ(l.project.selectedIndex(), 6);
    const Changes changed(l.project);
    l.arriveAll();
    EXPECT_EQ(l.project.selectedIndex(), 6);
    for (int what : changed)
        EXPECT_FALSE(what & PhotoProject::SelectionChanged);
}

// A file that cannot be read takes its photo out of the list and of the whole history
// (a removal of it was nothing); an add of that file alone leaves no step.
TEST(PhotoProjectLoading, ARefusedPhotoLeavesNoTrace)
{
    Loading l(7);
    l.project.removeAt(3);
    l.project.dropLoadingPhoto(l.loading[7]);
    EXPECT_EQ(l.names(), QStringLiteral("0.jpg1.jpg2.jpg4.jpg5.jpg6.jpg"));
    EXPECT_EQ(l.project.undoStack().count(), 2);
    l.project.dropLoadingPhoto(l.loading[3]);
    EXPECT_EQ(l.names(), QStringLiteral("0.jpg1.jpg2.jpg4.jpg5.jpg6.jpg"));
    EXPECT_EQ(l.project.undoStack().count(), 1);
    l.project.undoStack().undo();
    EXPECT_TRUE(l.project.photos().isEmpty());
    l.project.undoStack().redo();
    EXPECT_EQ(l.names(), QStringLiteral("0.jpg1.jpg2.jpg4.jpg5.jpg6.jpg"));
    EXPECT_EQ(l.project.selectedIndex(), 5);

    Fixture one(2, 1);
    const PhotoList bad = one.project.addLoadingPhotos({"/q/notes.jpg"});
    one.project.dropLoadingPhoto(bad[0]);
    EXPECT_EQ(one.names(), QStringLiteral("ab"));
    EXPECT_EQ(one.project.undoStack().count(), 0);
    EXPECT_FALSE(one.project.isModified());
}

// A picture finds no photo that is gone for good, nor one that already has its own.
TEST(PhotoProjectLoading, APictureForNoLoadingPhotoIsDropped)
{
    Loading l;
    l.arrive(1);
    EXPECT_FALSE(l.project.finishLoading(l.loading[1], QImage(50, 1, QImage::Format_ARGB32), nullptr));
    EXPECT_EQ(l.project.photos()[1]->image.width(), 2);
    std::weak_ptr<const Object_Photo> gone = l.loading[4];
    l.project.removeAt(4);
    l.project.undoStack().clear();
    l.loading.clear();
    EXPECT_TRUE(gone.expired()) << "only the history kept it";
}

// A project opened without one of its photos differs from its file: it starts modified,
// and undo cannot make it match the file again.
TEST(PhotoProject, AProjectMissingAPhotoOfItsFileStartsModified)
{
    PhotoProject project;
    project.reset(Composite, {photoNamed("a")}, QStringLiteral("/p/x.quillane"), {}, false);
    EXPECT_TRUE(project.isModified());
    project.addPhotos({photoNamed("b")});
    project.undoStack().undo();
    EXPECT_TRUE(project.isModified());
    project.markSaved(QStringLiteral("/p/x.quillane"));
    EXPECT_FALSE(project.isModified());

    project.reset(Composite, {photoNamed("a")}, QStringLiteral("/p/x.quillane"));
    EXPECT_FALSE(project.isModified());
    project.reset(Composite, {photoNamed("a")}, QString());
    EXPECT_TRUE(project.isModified()) << "photos never saved";
}

TEST(PhotoProject, OnlyAnOverlayPhotoIsTunable)
{
    Fixture f(3);
    for (qint64 row : {-1, 0, 3})
        EXPECT_EQ((f.project.select(row), f.project.tunablePhoto()), nullptr) << row;
    f.project.select(2);
    EXPECT_EQ(f.project.tunablePhoto(), f.project.photos()[2]);
}

// The records given are copied: who made them cannot change the project's.
TEST(PhotoProject, GivenRecordsAreCopied)
{
    Fixture f(1);
    const NewPhoto mine = photoNamed("x");
    f.project.addPhotos({mine});
    mine->f_Composite_Size = 99.0f;
    EXPECT_EQ(f.project.photos()[1]->f_Composite_Size, 0.0f);
}

} // namespace
