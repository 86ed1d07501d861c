#pragma once

struct CabrilloDialogFields;

// The Cabrillo header dialog of template 101 from the plug-in's own resources, run modally and
// owned by the calling thread's active window. Sets the controls from the fields in the order of
// the data exchange and, on OK, reads them back into the fields. True only for OK; false for
// any other close and when the dialog cannot be created.
bool RunCabrilloDialogWindow(CabrilloDialogFields& fields);
