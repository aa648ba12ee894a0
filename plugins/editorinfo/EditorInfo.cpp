// Sample framework plug-in: adds "Beispiel" > "Über den Editor..." to the
// main menu; a click shows the program folder in a message box.
#include "VYRAPluginInterfaces.h"

#include <string>

namespace {

TVYRAStringIn text(const char16_t *value)
{
    return {value, std::char_traits<char16_t>::length(value)};
}

// Collects a string the host hands out.
class StringOut final : public IVYRAStringOut
{
public:
    void assign(const char16_t *value, size_t length) override { m_text.assign(value, length); }
    char16_t *allocate(size_t length) override
    {
        m_text.assign(length, u' ');
        return m_text.data();
    }
    const std::u16string &str() const { return m_text; }

private:
    std::u16string m_text;
};

// Reference counting shared by the objects of this module.
template <class I>
class Counted : public I
{
public:
    explicit Counted(const TVYRAGUID &iid) : m_iid(iid) {}
    virtual ~Counted() = default;
    TVYRAResult queryInterface(const TVYRAGUID &iid, void **object) override
    {
        *object = nullptr;
        if (iid != m_iid && iid != IID_IVYRAUnknown)
            return VYRA_E_NOINTERFACE;
        *object = static_cast<I *>(this);
        addRef();
        return VYRA_S_OK;
    }
    uint32_t addRef() override { return ++m_references; }
    uint32_t release() override
    {
        const uint32_t left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

private:
    TVYRAGUID m_iid;
    uint32_t m_references = 1;
};

class ShowInfo final : public Counted<INotifyEvent>
{
public:
    explicit ShowInfo(IApplication *application) : Counted(IID_INotifyEvent), m_application(application) {}
    void OnNotify(IVYRAUnknown *) override
    {
        StringOut folder;
        m_application->GetAppDir(&folder);
        const std::u16string message = u"Programmordner: " + folder.str();
        m_application->MessageBox({message.data(), message.size()}, text(u"Über den Editor"), 0x40);
    }

private:
    IApplication *m_application; // the plug-in object holds the reference
};

class EditorInfo final : public Counted<IPlugin>
{
public:
    explicit EditorInfo(IApplication *application) : Counted(IID_IPlugin), m_application(application)
    {
        m_application->addRef();
        addMenu();
    }
    ~EditorInfo() override { m_application->release(); }

    const char16_t *GetName() override { return u"Editor-Info"; }
    const char16_t *GetAuthor() override { return u"Talvex Studio"; }
    const char16_t *GetComment() override { return u"Beispiel eines Zusatzmoduls mit Menübefehl"; }
    TVYRABool EventHandler(int32_t) override { return VYRA_TRUE; }

private:
    void addMenu()
    {
        IMainMenu *menu = m_application->IGetMainMenu();
        if (!menu)
            return;
        TVYRAMenuItemInfo submenu{-1, text(u"Beispiel"), text(u"Beispiel-Zusatzmodul"), text(u"mnuSampleEditorInfo"),
                                  0, 0, -1, VYRA_TRUE, nullptr, nullptr};
        if (IMenuItem *parent = menu->InsertMenuItem(submenu)) {
            auto *listener = new ShowInfo(m_application);
            TVYRAMenuItemInfo item{-1, text(u"Über den Editor..."), text(u"Zeigt den Programmordner"),
                                   text(u"mnuSampleEditorInfoShow"), 0, 0, -1, VYRA_FALSE, listener, nullptr};
            if (IMenuItem *entry = parent->InsertMenuItem(item))
                entry->release();
            listener->release();
            parent->release();
        }
        menu->release();
    }

    IApplication *m_application;
};

} // namespace

VYRA_MODULE_ENTRY void InitialisePlugIn(int32_t *major, int32_t *minor, TVYRAGUID *libraryId)
{
    *major = VYRA_PLUGIN_VERSION_MAJOR;
    *minor = VYRA_PLUGIN_VERSION_MINOR;
    *libraryId = LIBID_VYRAPluginInterface;
}

VYRA_MODULE_ENTRY TVYRABool LoadPlugIn(IApplication *application, IPlugin **plugin)
{
    if (!application || !plugin)
        return VYRA_FALSE;
    try {
        *plugin = new EditorInfo(application);
        return VYRA_TRUE;
    } catch (...) {
        return VYRA_FALSE;
    }
}
