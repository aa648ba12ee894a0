#pragma once

#include <QString>

// One document type the editor can insert: its name in the menu and the
// "<!DOCTYPE ...>" declaration it inserts.
struct TDocType {
    QString DocTypeName;
    QString DocTypeText;
};
