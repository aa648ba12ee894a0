#pragma once

// Two simpler plug-in conventions the host accepts besides the framework
// plug-ins of VYRAPluginInterfaces.h. Both get an entry of their own in the
// "Plugins" menu; a click on it runs the plug-in. Texts are 8-bit Windows-1252
// and 0-terminated.
//
// 1. Question/answer plug-ins. Required export:
//      const char *pluginStart(const char *text, int32_t selStart, int32_t selLength);
//    gets the active editor's text (or "" without a document) and returns a
//    text the module owns, valid until its next call. Optional exports:
//      const char *pluginInfo(int32_t index);  1 name, 2 description, 3/4 author, 5/6 more lines
//      int32_t pluginInterfaceVersion();       1 or 2; a module without it counts as version 1
//      int32_t pluginRueckgabetyp();           1: the result replaces the selection, 2: the whole text
//      int32_t pluginFrage();                  next question number, 0 when done (asked at most 256 times)
//      void pluginAntwort(const char *answer, int32_t kind, int32_t status);
//    Questions: 1 product name, 2 program version, 3 "", 4 plug-in folder,
//    5 main folder of the active project group, 7 file name of the active
//    document, 15 "2"; any other (and 5/7 without a document) is answered
//    with status -1 and an empty text.
//
// 2. Numbered call-back plug-ins. Required exports:
//      void Start_Plugin(uintptr_t mainWindow, int32_t reserved, TVYRASlaveCallBack callBack);
//      int32_t Init_InterfaceVersion();         must return 3
//    Optional: const char *pluginInfo(int32_t index); 0 name, 3 comment, 5 author.
//    The call-back answers a two-digit status and the data: "00..." success,
//    "03102" the command failed, "03103" it needs an active document (or
//    project group), "03104" it is not supported. The answer is a buffer the
//    host owns; it stays valid until the next call of the call-back, so copy it
//    if you need it longer. Commands: 1 open file Parameter, 2 new document,
//    3 go to line, 4 file name, 5 document count, 6 selection start,
//    7 selection length, 8 selected text, 9 replace selection, 10 whole text,
//    11 set whole text, 12 product name, 13 program version, 14 language
//    ("00DE"), 17 plug-in folder, 18 folder of the active project group.

#include "VYRAModuleABI.h"

using TVYRASlaveCallBack = const char *(*)(int32_t reserved, int32_t command, const char *parameter);

using TVYRAEPSStart = const char *(*)(const char *text, int32_t selStart, int32_t selLength);
using TVYRAEPSInfo = const char *(*)(int32_t index);
using TVYRAEPSInt = int32_t (*)();
using TVYRAEPSAnswer = void (*)(const char *answer, int32_t kind, int32_t status);
using TVYRASlaveStart = void (*)(uintptr_t mainWindow, int32_t reserved, TVYRASlaveCallBack callBack);
