#include "model/PhotoField.h"
#include "model/ProjectFile.h"
#include "model/ProjectMode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<PhotoField> allFields()
{
    std::vector<PhotoField> fields;
    for (const PhotoFieldRow &row : photoFieldTable())
        fields.push_back(row.field);
    return fields;
}

const std::vector<PhotoField> kAllFields = allFields();

// The modes a row belongs to.
std::vector<quint64> modesOf(const PhotoFieldRow &row)
{
    std::vector<quint64> modes;
    for (quint64 mode = 0; mode <= Transparent; ++mode)
        if (row.modes & (1u << mode))
            modes.push_back(mode);
    return modes;
}

// A value of the row that no photo gets by default and that the file keeps exactly.
double tunedValue(const PhotoFieldRow &row)
{
    if (isFlagField(row))
        return row.initial == 0.0 ? 1.0 : 0.0;
    if (isWholeField(row))
        return row.maximum;
    return row.minimum + (row.maximum - row.minimum) * 0.625;
}

ProjectParse readBack(quint64 mode, const PhotoList &photos)
{
    return parseProject(projectJson(mode, photos, QStringLiteral("/p")), QStringLiteral("/p"));
}

} // namespace

// Every row of the field table, in every mode it belongs to: the write rule stores and
// reads back the value, the project file keeps it under the row's key, the key finds
// the row, and the Edit menu has a name for it that no other field of the mode shares.
TEST(FieldTable, EveryFieldThroughWriteProjectFileAndLabel)
{
    ASSERT_EQ(photoFieldTable().size(), kAllFields.size());
    for (const PhotoFieldRow &row : photoFieldTable()) {
        EXPECT_EQ(&photoFieldRow(row.field), &row);
        for (quint64 mode : modesOf(row)) {
            SCOPED_TRACE(std::string(row.key) + " in mode " + std::to_string(mode));
            EXPECT_EQ(photoFieldForKey(QLatin1String(row.key), mode), &row);
            const NewPhoto photo = makePhoto(QImage(), QStringLiteral("b.png"), mode);
            EXPECT_EQ(readPhotoField(*photo, row.field), row.initial) << "the mode's default";
            writePhotoField(*photo, row.field, tunedValue(row));
            EXPECT_EQ(readPhotoField(*photo, row.field), tunedValue(row));
            photo->sFile = QStringLiteral("/p/b.png");
            const ProjectParse parse = readBack(mode, {photo});
            ASSERT_TRUE(parse.ok()) << parse.error.toStdString();
            EXPECT_EQ(readPhotoField(*parse.project.photos[0], row.field), tunedValue(row));
            EXPECT_STRNE(row.label, "");
            for (const PhotoFieldRow &other : photoFieldTable())
                if (&other != &row && other.modes & row.modes) {
                    EXPECT_STRNE(other.label, row.label) << other.key;
                }
        }
    }
}

// Each field is its own: writing one leaves every other as a fresh record has it (zero,
// the opacity 100), and reads back.
TEST(PhotoField, EachFieldWritesOnlyItselfAndReadsBack)
{
    const Object_Photo fresh;
    for (PhotoField field : kAllFields) {
        Object_Photo photo;
        writePhotoField(photo, field, 7.0);
        EXPECT_EQ(readPhotoField(photo, field), isFlagField(photoFieldRow(field)) ? 1.0 : 7.0) << int(field);
        for (PhotoField other : kAllFields) {
            if (other != field) {
                EXPECT_EQ(readPhotoField(photo, other), readPhotoField(fresh, other))
                    << int(field) << " touched " << int(other);
            }
        }
    }
}

struct Conversion {
    PhotoField field;
    double value;
    double stored;
};

TEST(PhotoField, ConversionsOfControlValues)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Conversion cases[] = {
        {PhotoField::TransparentTransparency, 45.7, 45},   {PhotoField::TransparentTransparency, 99.99, 99},
        {PhotoField::TransparentTransparency, 100.0, 100}, {PhotoField::TransparentTransparency, 0.4, 0},
        {PhotoField::TransparentTransparency, -3.0, 0},    {PhotoField::TransparentTransparency, nan, 0},
        {PhotoField::CompositeBlendMode, 23, 23},          {PhotoField::ShapeType, 11, 11},
        {PhotoField::CompositeXOffset, 12.5, 12.5},        {PhotoField::TransparentSize, 62.5, 62.5},
        {PhotoField::CompositeSize, -90.0, -90.0},         {PhotoField::ShapeYOffset, 0.1, double(0.1f)},
        {PhotoField::CompositeSizeOfBG, 0.0, 0.0},         {PhotoField::CompositeSizeOfBG, 2.0, 1.0},
    };
    for (const Conversion &c : cases) {
        Object_Photo photo;
        writePhotoField(photo, PhotoField::CompositeSizeOfBG, 1.0);
        writePhotoField(photo, c.field, c.value);
        EXPECT_EQ(readPhotoField(photo, c.field), c.stored) << int(c.field) << " <- " << c.value;
    }
    Object_Photo photo;
    writePhotoField(photo, PhotoField::TransparentTransparency, 45.7);
    EXPECT_EQ(photo.f_Transparent_Transparency, 45u);
    writePhotoField(photo, PhotoField::CompositeXOffset, 12.5);
    EXPECT_EQ(photo.f_Composite_X_Offset, 12.5f);
}
