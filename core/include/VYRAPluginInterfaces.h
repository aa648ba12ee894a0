#pragma once

// The interfaces through which a framework plug-in sees Talvex Studio.
// The general rules (slot order, references, booleans, strings, exceptions)
// stand in VYRAModuleABI.h; in addition:
// - A function that hands out an interface returns it with one reference that
//   belongs to the caller: release() it when done. nullptr means "none".
// - Interfaces handed IN (listeners, senders) are borrowed for the call; the
//   host adds its own reference when it keeps one.
// - Strings handed in are TVYRAStringIn (pointer and length, borrowed for the
//   call). Strings handed out go through an IVYRAStringOut the caller supplies,
//   except the descriptive getters of IPlugin, which return a 0-terminated
//   text owned by the plug-in object.
// - The host calls every interface on its main thread only.
//
// A framework plug-in module exports exactly these two functions:
//
//   VYRA_MODULE_ENTRY void InitialisePlugIn(int32_t *major, int32_t *minor, TVYRAGUID *libraryId);
//       reports VYRA_PLUGIN_VERSION_MAJOR, VYRA_PLUGIN_VERSION_MINOR and
//       LIBID_VYRAPluginInterface as compiled in from this header;
//   VYRA_MODULE_ENTRY TVYRABool LoadPlugIn(IApplication *application, IPlugin **plugin);
//       called once after a successful version check. Keep the application
//       (addRef it) and store your IPlugin with one reference in *plugin.
//
// At shutdown the host releases every listener and the IPlugin, then unloads
// the module: release the IApplication in your IPlugin's last release().

#include "VYRAModuleABI.h"

constexpr int32_t VYRA_PLUGIN_VERSION_MAJOR = 1;
constexpr int32_t VYRA_PLUGIN_VERSION_MINOR = 2;

// {0D281375-3FC0-4B36-BF62-360626904969}
constexpr TVYRAGUID LIBID_VYRAPluginInterface = {
    0x0D281375, 0x3FC0, 0x4B36, {0xBF, 0x62, 0x36, 0x06, 0x26, 0x90, 0x49, 0x69}};

constexpr TVYRAGUID IID_IApplication = {0x0442FCE3, 0x5B3B, 0x4898, {0x8A, 0xFC, 0xA4, 0x81, 0x46, 0x30, 0xD9, 0xED}};
constexpr TVYRAGUID IID_ICipher = {0x5019EFB5, 0xA251, 0x44DC, {0x94, 0xC5, 0x80, 0x1C, 0x2D, 0x17, 0x72, 0x87}};
constexpr TVYRAGUID IID_ICipherList = {0x5BB80617, 0xED0D, 0x4494, {0x8F, 0xA1, 0xC7, 0x58, 0xF6, 0x4D, 0x2B, 0x9F}};
constexpr TVYRAGUID IID_IDocument = {0x49D33692, 0xB692, 0x4423, {0xBE, 0x51, 0x30, 0xF5, 0x3E, 0x6F, 0xF4, 0x6E}};
constexpr TVYRAGUID IID_IDocuments = {0xBCE99D6A, 0x3A9F, 0x473E, {0xBA, 0xE2, 0xF8, 0xE4, 0xD2, 0xD2, 0x5D, 0xD9}};
constexpr TVYRAGUID IID_IEditor = {0x92CE456C, 0x2D6B, 0x4FDF, {0xBD, 0x2D, 0x60, 0xCF, 0x09, 0x78, 0x23, 0x2B}};
constexpr TVYRAGUID IID_IGUIElement = {0x97FFB200, 0x09AE, 0x4DEA, {0xAF, 0xA2, 0x7E, 0x9B, 0x74, 0x07, 0x82, 0x72}};
constexpr TVYRAGUID IID_IGUIInterface = {0x3F556DDF, 0x72D1, 0x4ECB, {0x98, 0xDD, 0xBD, 0xAB, 0x70, 0xA3, 0xF3, 0x00}};
constexpr TVYRAGUID IID_IHighlighter = {0x25857EA4, 0xA9D1, 0x4608, {0xAE, 0x77, 0x83, 0x39, 0x38, 0x5E, 0x61, 0x41}};
constexpr TVYRAGUID IID_IHighlighters = {0x47BD688D, 0x4913, 0x4577, {0xA6, 0xB2, 0xB0, 0x23, 0xE8, 0xB3, 0x8D, 0x15}};
constexpr TVYRAGUID IID_IImageList = {0xDCC51714, 0xBC01, 0x4238, {0x8D, 0xFA, 0xCA, 0xA7, 0x4B, 0x50, 0xEC, 0xDF}};
constexpr TVYRAGUID IID_IMainMenu = {0xB8435927, 0x2FE9, 0x4487, {0x99, 0x55, 0x41, 0x38, 0x57, 0x92, 0x88, 0xD8}};
constexpr TVYRAGUID IID_IMenuItem = {0xEB29098A, 0xA769, 0x4E1D, {0x91, 0xA0, 0xF7, 0x28, 0xA1, 0xC7, 0xC9, 0x2D}};
constexpr TVYRAGUID IID_IMenuItems = {0x9A35E2C0, 0x792E, 0x4372, {0x94, 0x83, 0xD7, 0x79, 0xC9, 0x2B, 0x0B, 0x07}};
constexpr TVYRAGUID IID_INotifyEvent = {0xEE9407DD, 0x2337, 0x4DFC, {0xBD, 0x2D, 0xA4, 0x0C, 0x4F, 0xA0, 0xA1, 0xA7}};
constexpr TVYRAGUID IID_IPageControl = {0x136790A2, 0x003E, 0x4928, {0xA8, 0xF0, 0x13, 0xA2, 0xAB, 0xDF, 0x03, 0x63}};
constexpr TVYRAGUID IID_IPageControlPage = {0x00E7E377, 0xE2DC, 0x40B9, {0x97, 0xCB, 0x88, 0xD6, 0xBC, 0x9D, 0x67, 0x0F}};
constexpr TVYRAGUID IID_IPlugin = {0xB6CB019B, 0xB46E, 0x4370, {0x86, 0xAD, 0x87, 0x32, 0x3E, 0xD1, 0x04, 0xB2}};
constexpr TVYRAGUID IID_ITemplates = {0x344CD674, 0xAB23, 0x4A11, {0x80, 0x20, 0xD2, 0xF9, 0x16, 0xE1, 0x42, 0x8D}};
constexpr TVYRAGUID IID_ITextAttributes = {0x88834420, 0xFF27, 0x460F, {0xA1, 0x0F, 0xB6, 0xEA, 0x8D, 0xEA, 0xB2, 0xC1}};

// A string handed into a call: borrowed for the call, need not end in 0.
struct TVYRAStringIn {
    const char16_t *text;
    size_t length;
};

// Application events offered to IPlugin::EventHandler.
constexpr int32_t VYRA_EVENT_FILEOPENED = 1;       // after every attempt to open a file
constexpr int32_t VYRA_EVENT_DOCUMENTCLOSED = 2;
constexpr int32_t VYRA_EVENT_GROUPSCLOSED = 3;     // all project groups closed at program end
constexpr int32_t VYRA_EVENT_DOCUMENTSAVED = 4;
constexpr int32_t VYRA_EVENT_DOCUMENTREOPENED = 6; // an open request found the file already open
constexpr int32_t VYRA_EVENT_PANELSARRANGED = 13;
constexpr int32_t VYRA_EVENT_QUICKBARCHANGED = 15;

class IMenuItem;
class IMenuItems;
class IImageList;
class IMainMenu;
class IApplication;

// Not yet published: the host answers nullptr where IApplication hands them out.
class IDocuments;
class ICipherList;
class IGUIInterface;
class ITemplates;

class IPlugin : public IVYRAUnknown
{
public:
    virtual const char16_t *GetName() = 0;
    virtual const char16_t *GetAuthor() = 0;
    virtual const char16_t *GetComment() = 0;
    // false stops the host from offering the event to later plug-ins.
    virtual TVYRABool EventHandler(int32_t event) = 0;

protected:
    ~IPlugin() = default;
};

// A listener. Sender is the object the event happened to (for a menu item an
// IMenuItem, queried through queryInterface), borrowed for the call.
class INotifyEvent : public IVYRAUnknown
{
public:
    virtual void OnNotify(IVYRAUnknown *sender) = 0;

protected:
    ~INotifyEvent() = default;
};

// The arguments of InsertMenuItem. Index -1 appends. ShortCut is the 16-bit
// key code (virtual key + 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt). The
// listeners may be nullptr; the host keeps a reference to each.
struct TVYRAMenuItemInfo {
    int32_t index;
    TVYRAStringIn caption;
    TVYRAStringIn hint;
    TVYRAStringIn name;
    uint16_t shortCut;
    int32_t tag;
    int32_t imageIndex;
    TVYRABool isSubMenu;
    INotifyEvent *onClick;
    INotifyEvent *onUpdate;
};

class IMainMenu : public IVYRAUnknown
{
public:
    virtual IMenuItems *GetMenuItems() = 0;
    // nullptr when the item could not be made.
    virtual IMenuItem *InsertMenuItem(const TVYRAMenuItemInfo &info) = 0;
    virtual IImageList *GetImageList() = 0;

protected:
    ~IMainMenu() = default;
};

class IMenuItems : public IVYRAUnknown
{
public:
    virtual int32_t GetCount() = 0;
    virtual IMenuItem *GetItem(int32_t index) = 0;
    // Compares names case-insensitively.
    virtual IMenuItem *FindItem(TVYRAStringIn name) = 0;
    // Removes an item a plug-in inserted: -1 when removed, 0 otherwise.
    virtual int32_t RemoveItem(IMenuItem *item) = 0;

protected:
    ~IMenuItems() = default;
};

class IMenuItem : public IVYRAUnknown
{
public:
    virtual IMenuItems *GetMenuItems() = 0;
    // Only a submenu takes items; nullptr otherwise.
    virtual IMenuItem *InsertMenuItem(const TVYRAMenuItemInfo &info) = 0;
    virtual IMenuItem *FindItem(TVYRAStringIn name) = 0;
    // Position within the parent, -1 without one.
    virtual int32_t GetIndex() = 0;
    virtual void GetCaption(IVYRAStringOut *caption) = 0;
    virtual void SetCaption(TVYRAStringIn caption) = 0;
    virtual void GetHint(IVYRAStringOut *hint) = 0;
    virtual void SetHint(TVYRAStringIn hint) = 0;
    virtual void GetName(IVYRAStringOut *name) = 0;
    virtual uint16_t GetShortCut() = 0;
    virtual void SetShortCut(uint16_t shortCut) = 0;
    virtual int32_t GetTag() = 0;
    virtual void SetTag(int32_t tag) = 0;
    // Listeners run after the host's own handler, in registration order; a
    // listener registered twice runs once.
    virtual void RegisterOnClick(INotifyEvent *listener) = 0;
    virtual int32_t Get_ImageIndex() = 0;
    virtual void Set_ImageIndex(int32_t index) = 0;
    virtual TVYRABool Get_Enabled() = 0;
    virtual void Set_Enabled(TVYRABool enabled) = 0;
    virtual void UnRegisterOnClick(INotifyEvent *listener) = 0;
    virtual TVYRABool Get_IsSubMenu() = 0;
    // Update listeners run whenever the menu holding the item is about to show.
    virtual void RegisterOnUpdate(INotifyEvent *listener) = 0;
    virtual void UnRegisterOnUpdate(INotifyEvent *listener) = 0;

protected:
    ~IMenuItem() = default;
};

class IImageList : public IVYRAUnknown
{
public:
    virtual int32_t GetCount() = 0;
    virtual uintptr_t GetIcon(int32_t index) = 0;
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
    virtual uintptr_t GetHandle() = 0;
    virtual int32_t AddIcon(uintptr_t icon) = 0;
    virtual int32_t AddIconResource(uintptr_t module, TVYRAStringIn resourceName, TVYRAStringIn resourceType) = 0;

protected:
    ~IImageList() = default;
};

class IApplication : public IVYRAUnknown
{
public:
    virtual TVYRABool DoesSupportUnicode() = 0;
    virtual uintptr_t GetInstance() = 0;
    // The editor font for the active document (or the default editor mode)
    // as "family,pointsize,..." text.
    virtual void GetDefaultFont(IVYRAStringOut *font) = 0;
    virtual void GetAppDir(IVYRAStringOut *folder) = 0;
    virtual void GetTemplateDir(IVYRAStringOut *folder) = 0;
    virtual void GetAppDataDir(IVYRAStringOut *folder) = 0;
    virtual void GetSettingsXMLFile(IVYRAStringOut *fileName) = 0;
    virtual uintptr_t GetHandle() = 0;
    virtual uintptr_t GetIcon() = 0;
    virtual IMainMenu *IGetMainMenu() = 0;
    virtual IMainMenu *IGetPopupMenu() = 0;
    virtual IDocuments *GetDocuments() = 0;
    virtual TVYRABool CanEditDocuments() = 0;
    virtual IVYRAUnknown *IGetActiveDocument() = 0;
    virtual IGUIInterface *GetGUI() = 0;
    virtual ITemplates *GetTemplates() = 0;
    // Flags and answers as on Windows (MB_OK = 0, MB_YESNO = 4, MB_ICONHAND = 0x10 ...; IDOK = 1, IDYES = 6 ...).
    virtual int32_t MessageBox(TVYRAStringIn text, TVYRAStringIn caption, uint32_t flags) = 0;
    virtual ICipherList *GetCipherList() = 0;

protected:
    ~IApplication() = default;
};

using TVYRAInitialisePlugIn = void (*)(int32_t *major, int32_t *minor, TVYRAGUID *libraryId);
using TVYRALoadPlugIn = TVYRABool (*)(IApplication *application, IPlugin **plugin);
