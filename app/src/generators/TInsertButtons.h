#pragma once

class QBoxLayout;
class QDialog;

// The "Einfügen" / "Abbrechen" row every generator dialog ends with; OK is
// named "btnOk" so that tests and the window can find it.
void AddInsertButtons(QDialog &dialog, QBoxLayout &layout);
