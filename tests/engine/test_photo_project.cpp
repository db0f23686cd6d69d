// The project model: the list operations, the selection and the field write, each with
// the one notification the table, the canvas and the panels follow.
#include "model/PhotoProject.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The notifications a project sends, in order.
struct Changes : QList<int> {
    explicit Changes(PhotoProject &project)
    {
        QObject::connect(&project, &PhotoProject::changed, [this](int what) { append(what); });
    }
};

// A project of photos named "a", "b", ... with row `selected` selected.
struct Fixture {
    PhotoProject project;
    explicit Fixture(int photos, qint64 selected = -1)
    {
        PhotoList list;
        for (int i = 0; i < photos; ++i)
            list << makePhoto(QImage(), QString(QChar('a' + i)), Composite);
        project.reset(Composite, list, QString());
        project.select(selected);
    }
    QString names() const
    {
        QString names;
        for (const PhotoPtr &photo : project.photos())
            names += photo->sName;
        return names;
    }
};

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

TEST_P(ListOperation, ChangesTheListOnceOrNotAtAll)
{
    const ListCase &c = GetParam();
    Fixture f(c.photos, c.selected);
    const Changes changed(f.project);
    EXPECT_EQ(c.act(f.project), c.changes);
    EXPECT_EQ(f.names(), QString::fromLatin1(c.after));
    EXPECT_EQ(f.project.selectedIndex(), c.selectedAfter);
    ASSERT_EQ(changed.size(), c.changes ? 1 : 0) << "one notification per change, none without";
    if (c.changes)
        EXPECT_TRUE(changed[0] & PhotoProject::ListChanged);
}

PhotoList twoNew()
{
    return {makePhoto(QImage(), "x", Composite), makePhoto(QImage(), "y", Composite)};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListOperation,
    ::testing::Values(
        ListCase{"add", 2, 1, [](PhotoProject &p) { return p.addPhotos(twoNew()), true; }, true, "abxy", 1},
        ListCase{"addNothing", 2, 1, [](PhotoProject &p) { return p.addPhotos({}), false; }, false, "ab", 1},
        ListCase{"removeMiddle", 3, 1, [](PhotoProject &p) { return p.removeAt(1); }, true, "ac", 1},
        ListCase{"removeLastPhoto", 1, 0, [](PhotoProject &p) { return p.removeAt(0); }, true, "", -1},
        ListCase{"removeOutside", 2, 1, [](PhotoProject &p) { return p.removeAt(2); }, false, "ab", 1},
        ListCase{"removeNone", 2, -1, [](PhotoProject &p) { return p.removeAt(-1); }, false, "ab", -1},
        ListCase{"moveUp", 3, 2, [](PhotoProject &p) { return p.move(2, -1); }, true, "acb", 2},
        ListCase{"moveDown", 3, 0, [](PhotoProject &p) { return p.move(0, +1); }, true, "bac", 0},
        ListCase{"moveFirstUp", 3, 0, [](PhotoProject &p) { return p.move(0, -1); }, false, "abc", 0},
        ListCase{"moveLastDown", 3, 2, [](PhotoProject &p) { return p.move(2, +1); }, false, "abc", 2},
        ListCase{"moveNothing", 3, -1, [](PhotoProject &p) { return p.move(-1, +1); }, false, "abc", -1},
        ListCase{"replace", 3, 1, [](PhotoProject &p) { return p.replaceList(twoNew()), true; }, true, "xy",
                 1}),
    [](const ::testing::TestParamInfo<ListCase> &info) { return std::string(info.param.name); });

TEST(PhotoProject, OnlyAnOverlayPhotoIsTunable)
{
    Fixture f(3);
    for (qint64 row : {-1, 0, 3})
        EXPECT_EQ((f.project.select(row), f.project.tunablePhoto()), nullptr) << row;
    f.project.select(2);
    EXPECT_EQ(f.project.tunablePhoto(), f.project.photos()[2]);
}

TEST(PhotoProject, ResetAndFieldWritesNotifyWhatChanged)
{
    Fixture f(2, 1);
    const Changes changed(f.project);
    const PhotoPtr photo = f.project.photos()[1];
    EXPECT_EQ(f.project.writeField(photo, PhotoField::CompositeSize, 25.0), 0.0) << "returns the old value";
    EXPECT_EQ(f.project.writeField(photo, PhotoField::CompositeSize, 40.0), 25.0);
    EXPECT_EQ(photo->f_Composite_Size, 40.0f);
    f.project.setMode(Composite); // the same mode: nothing to tell
    f.project.select(1);          // the same row
    f.project.reset(Shape, {}, QStringLiteral("/p/x.json"));
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(changed[0], PhotoProject::FieldChanged);
    EXPECT_EQ(changed[2],
              PhotoProject::ListChanged | PhotoProject::ModeChanged | PhotoProject::ProjectStarted);
    EXPECT_EQ(f.project.mode(), quint64(Shape));
    EXPECT_EQ(f.project.projectFile(), QStringLiteral("/p/x.json"));
    EXPECT_TRUE(f.project.photos().isEmpty());
}

} // namespace
