#pragma once

#include "model/Tshape.h"

#include <QString>

// The label document: the one label being edited. Its object list is at once the drawing
// order, the numbering of the object list, and the order in which print objects are sent
// to the printer and cut objects to the cutter. Beside it the document keeps one level of
// undo, the program's own clipboard, the selection, and the zoom and screen resolution
// that convert model values (tenths of a millimetre) to pixels.
//
// The operations change the model only; the window redraws the label afterwards.
class Tobject {
public:
    // Copies of the label settings, refreshed whenever a label is set up or loaded.
    int labelWidth = 110;
    int labelHeight = 200;
    int bgX = 0; // millimetres
    int bgY = 0;
    int bgWidth = 0;
    int bgHeight = 0;
    QString bgFile;
    int labelLock = 0;

    // Positions in objects, or -1 for none. Every operation that removes objects sets both
    // to -1 and every reorder moves them with their objects, so that neither can name a
    // record that has gone or moved.
    int current = -1;     // the object under the pointer, framed in red
    int lastClicked = -1; // the object selected last: the reference of alignment
    bool modified = false;
    bool undoAvailable = false;
    float zoom = 1.0f;
    int dpi = 96; // the screen's horizontal resolution

    ShapeList objects;
    ShapeList clipboard;
    ShapeList undoList;

    // Model value to pixels at the current zoom and resolution, rounded half up.
    int ToPixels(double value) const;
    // Pixels to a model value; callers truncate where they need an integer.
    float FromPixels(int pixels) const;

    // Empties the label for a new size and zoom. The previous objects stay in the undo
    // list, so an accidental New can be undone. No object is current until the pointer
    // rests on one or a label is loaded (its first object).
    void Reset(int width, int height, int newDpi, float newZoom);

    void TakeSnapshot();
    void Undo();
    void CopyToClipboard();
    void PasteFromClipboard();

    // Add operations. Each takes the undo snapshot (except AddCutLine and AddCutArc, whose
    // callers take it), deselects every object, marks the label modified and appends the
    // new objects selected. Grids are appended row by row, left to right; rows or columns
    // of 0 or less append nothing.
    void AddCutRoundRect(int left, int top, int right, int bottom, int radius, int direction,
                         int gapPos, float gapDistance, float gapLenth, float gapOffset, int delayms);
    void AddCutCircles(float left, float top, float right, float bottom, int rows, int columns,
                       int rowGap, int columnGap);
    void AddCutHalfCircles(int left, int top, int right, int bottom, int rows, int columns,
                           int rowGap, int columnGap, int radius);
    void AddCutImages(int left, int top, int right, int bottom, int rows, int columns,
                      int rowGap, int columnGap, const QString& fileName);
    void AddPrintImages(int left, int top, int right, int bottom, int rows, int columns,
                        int rowGap, int columnGap, const QString& fileName);
    void AddPrintRects(int left, int top, int right, int bottom, int rows, int columns,
                       int rowGap, int columnGap, int radius, int lineWidth, int solid);
    void AddCutLine(float startX, float startY, float endX, float endY, int startDown, int endUp,
                    int delay);
    void AddPrintLine(int x1, int y1, int x2, int y2, int lineWidth);
    void AddCutArc(double centerX, double centerY, double radius, double startAngle,
                   double endAngle, int startDown, int endUp, int direction);

    // The common end of every add operation: deselects every object, marks the label
    // modified and appends the new objects selected, in order. The add operations of texts
    // and symbols (view/TobjectAnchoredAdd.h) measure their objects first and end here.
    void AppendAdded(ShapeList added);

    // Selection; none of these takes a snapshot.
    void SelectAll(bool value);
    void SelectIndex(int index);
    int SelectedCount() const;
    int FirstSelected() const;
    bool AllSelectedAreTexts() const;

    // Print flag and order of the selected objects. Each takes the snapshot when it changes
    // something (a selection and, for the moves, two objects at least), so that it can be
    // undone; current and lastClicked follow their objects.
    void SetPrintFlag(bool value);
    // The selected objects go to the end of the list in their order and stay selected.
    void MoveSelectedToEnd();
    // The selected objects go as one block, in their order, to the row target (a drop in
    // the object list) and are deselected.
    void MoveSelectedTo(int target);

    void DeleteSelected();
    void DeleteAll();

    // Whether index names an object of the list.
    bool isIndex(int index) const { return index >= 0 && index < objects.size(); }

    // Fills the pixel box of a cut arc: the box of its two end points, widened by the point
    // at every whole degree between its angles.
    void setArcPixelBox(Tshape& arc) const;
    // Both boxes of a cut arc: the model box of its whole circle around the centre, and
    // setArcPixelBox.
    void setArcBoxes(Tshape& arc) const;
    // Both boxes of a cut line from its end points, and its start corner.
    void setCutLineBoxes(Tshape& line) const;
    // A printed line from (x1, y1) to (x2, y2): both boxes and its start corner.
    void setPrintLineEnds(Tshape& line, int x1, int y1, int x2, int y2) const;

private:
    // After objects were removed no position still names the object it did.
    void forgetPositions();
    // Puts the objects in the order of their former positions.
    void reorder(const QList<int>& formerPositions);
    // The steps every add operation shares before it appends: deselect and mark modified.
    void beginAdd();
    void appendNew(Tshape shape);
    template <typename Fill>
    void addGrid(ShapeKind kind, double left, double top, double right, double bottom, int rows,
                 int columns, int rowGap, int columnGap, Fill fill);
};

// Appends to destination a copy of every record of source (or of the selected ones only),
// in source order. Records whose Type names no kind are not copied.
void CopyRecords(const ShapeList& source, ShapeList& destination, bool selectedOnly);
