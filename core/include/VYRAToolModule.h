#pragma once

// Tool modules: shared objects entered in the Tools menu. When the user runs
// such a tool, the host loads the module, calls its entry point once on the
// main thread and unloads the module as soon as the call returns:
//
//     VYRA_MODULE_ENTRY void CallDLL(TVYRAToolCallBack callBack);
//
// Through the call-back the module reads from and drives the editor. The
// call-back may be called any number of times, but only during CallDLL and
// only on the thread that runs CallDLL.
//
// The call-back:
//     callBack(code, value, length, result, error)
// - value/length: the text handed in (borrowed for the call; need not end in 0);
// - result: receives the text handed out (see IVYRAStringOut); it is left
//   untouched by codes that hand nothing out; may be nullptr when the module
//   wants no text back;
// - error: receives one of the VYRA_TOOL_E_* codes; may be nullptr.
//
// Codes marked (doc) need an active document; without one the call-back
// answers VYRA_TOOL_E_NODOCUMENT and does nothing.

#include "VYRAModuleABI.h"

using TVYRAToolCallBack = void (*)(int32_t code, const char16_t *value, size_t length, IVYRAStringOut *result,
                                   int32_t *error);

// Codes.
constexpr int32_t VYRA_TOOL_GETTEXT = 1;              // (doc) out: text of the active editor
constexpr int32_t VYRA_TOOL_GETFILENAME = 2;          // (doc) out: file name of the active document
constexpr int32_t VYRA_TOOL_GETVERSIONINFO = 3;       // out: "Version <v>. Built on <date>."
constexpr int32_t VYRA_TOOL_GETFILEVERSION = 4;       // (doc) out: file version text of the active document
constexpr int32_t VYRA_TOOL_GETCIPHERNAME = 5;        // (doc) out: name of the active document's cipher
constexpr int32_t VYRA_TOOL_ISNOCIPHER = 6;           // (doc) out: "True" when it is not enciphered, else "False"
constexpr int32_t VYRA_TOOL_INPUTBOX = 7;             // out: a value the user enters (empty when cancelled)
constexpr int32_t VYRA_TOOL_GETINTVERSION = 8;        // out: the program's integer version
constexpr int32_t VYRA_TOOL_GETSETTINGSFILE = 10;     // out: path of the settings file
constexpr int32_t VYRA_TOOL_GETICON = 11;             // out: the main icon's handle in decimal
constexpr int32_t VYRA_TOOL_SETTEXT = 15;             // (doc) in: new text of the active editor
constexpr int32_t VYRA_TOOL_SETEDITORMODE = 16;       // (doc) in: "1"/"true" code editor, else rich editor
constexpr int32_t VYRA_TOOL_SETHIGHLIGHTER = 17;      // (doc) in: name of the highlighter for the active editor
constexpr int32_t VYRA_TOOL_OPENFILE = 20;            // (doc) in: file to open
constexpr int32_t VYRA_TOOL_OPENFILEEX = 21;          // (doc) in: file to open beside the active document
constexpr int32_t VYRA_TOOL_CLOSEDOCUMENT = 22;       // (doc) closes the active document
constexpr int32_t VYRA_TOOL_SAVEDOCUMENT = 23;        // (doc) saves the active document
constexpr int32_t VYRA_TOOL_NEWDOCUMENT = 24;         // creates a new document
constexpr int32_t VYRA_TOOL_GETMAINWINDOW = 777;      // out: the main window's handle in decimal

// Error codes.
constexpr int32_t VYRA_TOOL_E_OK = 0;
constexpr int32_t VYRA_TOOL_E_NODOCUMENT = 101;       // the code needs an active document
constexpr int32_t VYRA_TOOL_E_FAILED = 102;           // the editor could not carry the request out
constexpr int32_t VYRA_TOOL_E_UNKNOWNCODE = 999;      // no such code
