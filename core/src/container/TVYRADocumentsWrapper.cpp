#include "container/TVYRADocumentsWrapper.h"

#include "container/TVYRADocumentContainer.h"

TVYRADocumentsWrapper::TVYRADocumentsWrapper(TVYRADocumentContainer *source)
    : m_source(source)
{
}

int TVYRADocumentsWrapper::GetActiveDocumentIndex() const
{
    return m_source ? m_source->GetActiveDocumentIndex() : -1;
}

TVYRADocument *TVYRADocumentsWrapper::IGetActiveDocument() const
{
    return m_source ? m_source->IGetActiveDocument() : nullptr;
}

bool TVYRADocumentsWrapper::IsIndexValid(int index) const
{
    return m_source && m_source->IsIndexValid(index);
}

int TVYRADocumentsWrapper::GetCount() const
{
    return m_source ? m_source->GetCount() : 0;
}

TVYRADocument *TVYRADocumentsWrapper::GetDocument(int index) const
{
    return m_source ? m_source->GetDocument(index) : nullptr;
}

QFont TVYRADocumentsWrapper::GetDefaultDocumentFont(int mode) const
{
    return m_source ? m_source->GetDefaultDocumentFont(mode) : QFont();
}

bool TVYRADocumentsWrapper::INewFile()
{
    return m_source && m_source->INewFile();
}

bool TVYRADocumentsWrapper::OpenFile(const QString &fileName)
{
    return m_source && m_source->OpenFile(fileName);
}

bool TVYRADocumentsWrapper::OpenFileEx(const QString &fileName, int index)
{
    return m_source && m_source->OpenFileEx(fileName, index);
}

bool TVYRADocumentsWrapper::ICloseFile(int index)
{
    return m_source && m_source->ICloseFile(index);
}

bool TVYRADocumentsWrapper::ISaveFile(int index, bool withName)
{
    return m_source && m_source->ISaveFile(index, withName);
}

bool TVYRADocumentsWrapper::ISaveActiveFile()
{
    return m_source && m_source->ISaveActiveFile();
}

bool TVYRADocumentsWrapper::ICloseActiveFile()
{
    return m_source && m_source->ICloseActiveFile();
}

TVYRAContainerEvents::TNotify TVYRADocumentsWrapper::Get_OnChange() const
{
    return m_source ? m_source->Get_OnChange() : TVYRAContainerEvents::TNotify();
}

void TVYRADocumentsWrapper::Set_OnChange(TVYRAContainerEvents::TNotify handler)
{
    if (m_source)
        m_source->Set_OnChange(std::move(handler));
}
