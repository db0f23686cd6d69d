#pragma once

#include "model/PhotoAlignment.h"
#include "model/PhotoMask.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct ReducedCopies;

// One photo of the project: its picture, its file name and one parameter group per
// project type. Only the group of the mode in force when the photo was added gets
// defaults (applyModeDefaults); the others stay zero.
struct Object_Photo {
    QImage image; // may be null: a photo without a picture counts as 0 x 0
    // The halvings of `image` for passes at the view's scale, made on first need and
    // made again when `image` is replaced; copies of the record share them. A cache of
    // what `image` already says, not a part of the project: a pass may fill it in on a
    // record it only reads.
    mutable std::shared_ptr<const ReducedCopies> reducedCopies;
    QString sName;
    QString sFile; // absolute path of the file the picture was read from; empty if none

    // Composite
    quint64 m_Composite_Blend_Mode = 0;
    bool bCompositeSizeOfBG = false;
    float f_Composite_Size = 0.0f;
    float f_Composite_X_Offset = 0.0f;
    float f_Composite_Y_Offset = 0.0f;
    // Per cent, 100 = the blend as it is. Not zero-initialised: a photo whose Composite
    // group never got defaults (added under another mode) must still show.
    float f_Composite_Opacity = 100.0f;
    // The placement beyond size and offsets (a placed photo only): degrees clockwise on
    // screen about the centre of the photo as placed, after the mirror images.
    float f_Composite_Rotation = 0.0f;
    bool bCompositeFlipHorizontal = false;
    bool bCompositeFlipVertical = false;

    // Shape
    quint64 m_Shape_Type = 0;
    float f_Shape_Size = 0.0f;
    float f_Shape_X_Offset = 0.0f;
    float f_Shape_Y_Offset = 0.0f;
    // Per cent of the largest feather (kShapeFeatherShare of the mask's shorter side);
    // 0 = the mask's own edge.
    float f_Shape_Feather = 0.0f;
    // As in Composite; the shape's mask turns and flips with the photo.
    float f_Shape_Rotation = 0.0f;
    bool bShapeFlipHorizontal = false;
    bool bShapeFlipVertical = false;

    // Linear (both directions)
    float f_Linear_Intersection_Level = 0.0f;

    // Transparent: the transparency is a whole number of percent, 0 = opaque
    quint64 f_Transparent_Transparency = 0;
    float f_Transparent_Size = 0.0f;
    float f_Transparent_X_Offset = 0.0f;
    float f_Transparent_Y_Offset = 0.0f;
    float f_Transparent_Rotation = 0.0f;
    bool bTransparentFlipHorizontal = false;
    bool bTransparentFlipVertical = false;

    // Alignment (Align to Background): the mapping of this photo onto the background,
    // none until the photo is aligned. Composite (for a photo of the background's size)
    // and Exposure fusion warp the photo by it before mixing.
    std::optional<PhotoAlignment> alignment;

    // Composite, Shape and Transparent: where the photo shows (none: everywhere). The
    // background's is never applied.
    PhotoMask mask;
};

// Working record of the Linear renderer: one seam image and its place on the strip.
struct Object_Linear_Position {
    QImage image;
    float f_Position = 0.0f;
};

// A photo as everything outside the project model sees it: read only. The project's
// records change only through PhotoProject's operations.
using PhotoPtr = std::shared_ptr<const Object_Photo>;
using PhotoList = QList<PhotoPtr>;
// A record not yet in a project (being made, read from a project file, decoded): its
// maker fills it in. A project takes a copy of it.
using NewPhoto = std::shared_ptr<Object_Photo>;
// Such records read as a PhotoList wherever one is asked for.
class NewPhotoList : public QList<NewPhoto> {
  public:
    using QList<NewPhoto>::QList;
    operator PhotoList() const { return PhotoList(begin(), end()); }
};

// Gives a photo the defaults of the project mode it is added under (the field table's
// initial values). A mode outside 0..4 sets no group (Exposure fusion has none).
void applyModeDefaults(Object_Photo &photo, quint64 mode);

// A record read from its file gets its picture, the reduced copies made from it, and the
// file's name as its name.
void givePicture(Object_Photo &photo, const QImage &image, std::shared_ptr<const ReducedCopies> copies);

// A new photo with the given picture and name and the defaults of the mode.
NewPhoto makePhoto(const QImage &image, const QString &name, quint64 mode);

// The files the photos were read from, in the list's order (empty for a photo from none).
QStringList photoFiles(const PhotoList &photos);
