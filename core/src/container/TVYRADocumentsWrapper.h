#pragma once

#include "container/IDocuments.h"

#include <QPointer>

class TVYRADocumentContainer;

// The container as a plug-in or a clone core gets it: every call goes to the
// source container, whose settings and events are the ones in force; the
// wrapper frees nothing. Once the source is gone every call answers empty.
class VYRA_EXPORT TVYRADocumentsWrapper : public IDocuments
{
public:
    explicit TVYRADocumentsWrapper(TVYRADocumentContainer *source);

    TVYRADocumentContainer *SourceContainer() const { return m_source; }

    int GetActiveDocumentIndex() const override;
    TVYRADocument *IGetActiveDocument() const override;
    bool IsIndexValid(int index) const override;
    int GetCount() const override;
    TVYRADocument *GetDocument(int index) const override;
    QFont GetDefaultDocumentFont(int mode) const override;
    bool INewFile() override;
    bool OpenFile(const QString &fileName) override;
    bool OpenFileEx(const QString &fileName, int index) override;
    bool ICloseFile(int index) override;
    bool ISaveFile(int index, bool withName) override;
    bool ISaveActiveFile() override;
    bool ICloseActiveFile() override;
    TVYRAContainerEvents::TNotify Get_OnChange() const override;
    void Set_OnChange(TVYRAContainerEvents::TNotify handler) override;

private:
    QPointer<TVYRADocumentContainer> m_source;
};
