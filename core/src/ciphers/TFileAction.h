#pragma once

// The background actions on a file-backed object.
enum TFileAction { faEnCrypt = 0, faDeCrypt = 1, faWipe = 2 };
