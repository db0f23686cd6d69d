#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoField.h"
#include "model/ProjectOptions.h"

#include <QPoint>

// What a controls panel may do to the project: write one field of the photo it shows,
// read that photo, read and change the project-wide settings, and ask where the pointer
// is (to place a picker). The application
// gives each panel this much and no more.
class PhotoEditor {
  public:
    // The one door through which the panels change a photo: when an overlay photo is
    // selected (index 1 or later, a row of the list) stores the value in its field and
    // marks the preview for redrawing; otherwise does nothing. Returns whether it wrote.
    virtual bool setPhotoField(PhotoField field, double value) = 0;
    // The selected photo when it is an overlay photo (index 1 or later), else null.
    virtual PhotoPtr tunablePhoto() const = 0;
    // The project-wide settings (blend space, full-resolution strips) and the door that
    // changes them, with its undo step. Returns whether they changed.
    virtual const ProjectOptions &projectOptions() const = 0;
    virtual bool setProjectOptions(const ProjectOptions &options) = 0;
    virtual QPoint pointerPosition() const = 0;

  protected:
    ~PhotoEditor() = default;
};
