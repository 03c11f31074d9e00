#pragma once

#include <functional>

class Tobject;
struct Tshape;

// Writes a confirmed edit into the object at index. write changes a copy of the record and
// may raise ConversionError for a field that is no number: then the label and its undo
// point stay as they were. Only a complete write takes the undo snapshot, replaces the
// record (its place, selection and print flag unchanged) and marks the label modified.
void commitEdit(Tobject& document, int index, const std::function<void(Tshape&)>& write);

// Texts and symbols are edited as they are created: the confirmed form is added alone to an
// empty label of the document's zoom and resolution, and the record it gives, with its fields
// and its measured box, replaces the edited one, which keeps its selection and print flag.
// add raises ConversionError before anything changes.
void replaceAsCreated(Tshape& shape, const Tobject& document, const std::function<void(Tobject&)>& add);
