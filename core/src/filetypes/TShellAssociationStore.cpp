#include "filetypes/TShellAssociationStore.h"

#include "filetypes/TXdgShellAssociationStore.h"

#include <QCoreApplication>

namespace {
TShellAssociationStore *g_store = nullptr;
}

TShellAssociationStore::~TShellAssociationStore() = default;

TShellAssociationStore &TShellAssociationStore::instance()
{
    if (g_store)
        return *g_store;
    static TXdgShellAssociationStore fallback(QCoreApplication::applicationFilePath());
    return fallback;
}

void TShellAssociationStore::setInstance(TShellAssociationStore *store)
{
    g_store = store;
}
