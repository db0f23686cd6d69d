#pragma once

#include "model/PhotoPlacement.h"
#include "panels/PhotoEditor.h"
#include "panels/ValueSlider.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;

// Common frame of the controls panels: a title line, a grid of labelled controls, and
// the bindings of the sliders to the photo fields they edit.
class PanelBase : public QWidget {
    Q_OBJECT
  public:
    PanelBase(PhotoEditor &editor, const QString &objectName, const QString &title, QWidget *parent);

    // Enables the controls for a selected overlay photo (null: the background or no
    // selection, which disables them and keeps the values shown).
    virtual void enableControls(const Object_Photo *photo);
    // Shows the photo's values in the controls, without sending any action.
    virtual void loadControls(const Object_Photo &photo);

  protected:
    QVBoxLayout *body() const { return m_body; }
    PhotoEditor &editor() const { return m_editor; }

    // A labelled slider row in the grid, bound to the field it edits; it spans the
    // field's range from the field table.
    ValueSlider *addSlider(const QString &label, const QString &tip, PhotoField field, double step,
                           std::function<QString(double)> text);
    // A row of the grid: a label, then the control. Returns the label.
    QLabel *addRow(const QString &label, QWidget *control);
    // A control of the panel that is not a slider, enabled and disabled with the others.
    void addControl(QWidget *control) { m_controls << control; }
    // The turn and the two mirror images of the mode's placement: a slider in degrees
    // and two check boxes on one row, bound to their fields like the sliders.
    void addPlacementControls(const PlacementFields &fields);
    // The write rule: the slider's value into its field of the selected photo.
    bool writeSlider(const ValueSlider *slider);
    // The sliders and the mirror boxes.
    void enableSliders(bool enabled);
    // The project's blend space as a labelled choice; it edits the project, not a photo,
    // so it stays enabled whatever is selected, and enableControls shows its value.
    void addBlendSpaceChoice();
    void OnChangeBlendSpace();

  private:
    struct SliderBinding {
        ValueSlider *slider;
        PhotoField field;
    };
    struct FlagBinding {
        QCheckBox *box;
        PhotoField field;
    };
    QCheckBox *addFlag(const QString &label, const QString &tip, PhotoField field);

    PhotoEditor &m_editor;
    QVBoxLayout *m_body = nullptr;
    QGridLayout *m_grid = nullptr;
    QList<QWidget *> m_controls; // in the order they are enabled
    QList<SliderBinding> m_sliders;
    QList<FlagBinding> m_flags;
    QComboBox *m_blendSpace = nullptr;
};
