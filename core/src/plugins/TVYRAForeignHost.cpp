#include "plugins/TVYRAForeignHost.h"

#include "container/TVYRADocumentContainer.h"
#include "documents/TVYRADocument.h"
#include "facade/TVYRAEditor.h"
#include "facade/TVYRATextAttributes.h"
#include "framework/TVYRACore.h"
#include "projects/TVYRAProjectGroupItems.h"

TVYRAForeignHost::TVYRAForeignHost(TVYRACore &core)
    : m_core(core)
{
}

TVYRAForeignHost::~TVYRAForeignHost() = default;

// Made anew for each request: the active document may change between two.
TVYRAEditor *TVYRAForeignHost::editor() const
{
    TVYRADocumentContainer *container = m_core.Container();
    m_editor.reset();
    if (container && container->CanEditDocuments())
        m_editor = container->GetEditor(container->GetActiveDocumentIndex());
    return m_editor.get();
}

bool TVYRAForeignHost::HasDocument() const
{
    return m_core.CanEditDocuments();
}

QString TVYRAForeignHost::Text() const
{
    TVYRAEditor *current = editor();
    return current ? current->GetText() : QString();
}

void TVYRAForeignHost::SetText(const QString &text)
{
    if (TVYRAEditor *current = editor())
        current->SetText(text);
}

int TVYRAForeignHost::SelStart() const
{
    TVYRAEditor *current = editor();
    return current ? TVYRATextAttributes(current).GetSelStart() : 0;
}

int TVYRAForeignHost::SelLength() const
{
    TVYRAEditor *current = editor();
    return current ? TVYRATextAttributes(current).GetSelLength() : 0;
}

QString TVYRAForeignHost::SelText() const
{
    TVYRAEditor *current = editor();
    return current ? TVYRATextAttributes(current).GetSelText() : QString();
}

void TVYRAForeignHost::SetSelText(const QString &text)
{
    if (TVYRAEditor *current = editor())
        TVYRATextAttributes(current).SetSelText(text);
}

void TVYRAForeignHost::GotoLine(int line)
{
    if (TVYRAEditor *current = editor())
        current->GotoLine(line);
}

QString TVYRAForeignHost::FileName() const
{
    const TVYRADocument *document = m_core.GetActiveDocument();
    return document ? document->GetFileName() : QString();
}

int TVYRAForeignHost::DocumentCount() const
{
    return m_core.Container() ? m_core.Container()->GetDocumentCount() : 0;
}

bool TVYRAForeignHost::OpenFile(const QString &fileName)
{
    return m_core.Container() && m_core.Container()->OpenFile(fileName);
}

bool TVYRAForeignHost::NewFile()
{
    return m_core.Container() && m_core.Container()->INewFile();
}

QString TVYRAForeignHost::DocumentGroupMainFolder() const
{
    const TVYRADocument *document = m_core.GetActiveDocument();
    const TVYRAProjectGroupItems *group = document ? m_core.Container()->ProjectOf(document) : nullptr;
    return group ? group->MainFolder() : QString();
}

QString TVYRAForeignHost::ActiveGroupFolder(bool &hasGroup) const
{
    const TVYRAProjectGroupItems *group = m_core.Container() ? m_core.Container()->GetActiveProject() : nullptr;
    hasGroup = group != nullptr;
    return group ? group->FileFolder() : QString();
}
